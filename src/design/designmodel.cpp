// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/designmodel.h"

#include "settings/settingsstore.h"

DesignModel::DesignModel(SettingsStore &store, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_colorMode(QString::fromLatin1(Keys::ColorMode.fallback))
{}

void DesignModel::load()
{
    reload();
    for (const auto &[key, size] :
         {std::pair{Keys::IMGWidth, m_values.boxWidth}, std::pair{Keys::IMGHeight, m_values.boxHeight}}) {
        const std::optional<QString> stored = m_store.stored(key);
        if (stored && *stored != size)
            m_store.write(key, size);
    }
}

void DesignModel::reload()
{
    m_colorMode = m_store.read(Keys::ColorMode);
    m_values = loadDesignValues(m_store);
    emit changed();
}

QSize DesignModel::thumbnailBox() const
{
    return DesignSize::box(m_values);
}

void DesignModel::setPageStyle(PageStyle style)
{
    m_store.write(Keys::PageStyle, PageStyles::name(style));
    m_values.pageStyle = style;
    emit changed();
}

void DesignModel::setColorMode(const QString &mode)
{
    m_store.write(Keys::ColorMode, mode);
    reload();
}

ColorButtons DesignModel::loadColorSet(DesignValues &edited) const
{
    return ::loadColorSet(edited, m_store);
}

void DesignModel::setBoxWidth(int width)
{
    m_values.boxWidth = QString::number(width);
    m_store.write(Keys::IMGWidth, m_values.boxWidth);
    emit thumbnailBoxChanged(thumbnailBox());
}

void DesignModel::setBoxHeight(int height)
{
    m_values.boxHeight = QString::number(height);
    m_store.write(Keys::IMGHeight, m_values.boxHeight);
    emit thumbnailBoxChanged(thumbnailBox());
}

void DesignModel::save(const DesignValues &edited)
{
    saveColorSet(edited, m_store);
    reload();
}
