// SPDX-License-Identifier: GPL-3.0-or-later
#include "slide/modernslidepage.h"

#include "album/htmltext.h"
#include "album/modernpage.h"
#include "album/pagelines.h"
#include "slide/slidepage.h"

namespace {

QString word(const char *text)
{
    return QString::fromUtf8(text);
}

QString href(const QString &name)
{
    return QLatin1Char('"') + HtmlText::urlAttribute(name) + QLatin1Char('"');
}

void styleSheet(PageLines &out, const ModernPalette &colors)
{
    out.line(QStringLiteral("<style>"));
    out.line(QStringLiteral("*{box-sizing:border-box}"));
    out.line(QStringLiteral("body{margin:0;background:%1;color:%2;font:1rem/1.5 sans-serif;text-align:center}")
                 .arg(colors.background, colors.text));
    out.line(QStringLiteral("a{color:%1}a:visited{color:%2}").arg(colors.link, colors.visitedLink));
    out.line(QStringLiteral("h1{font-size:1.5rem;margin:.5rem 1rem;overflow-wrap:anywhere}"));
    out.line(QStringLiteral("figure{margin:0}figcaption{overflow-wrap:anywhere;padding:0 1rem}"));
    out.line(QStringLiteral(".stage{display:flex;align-items:center;justify-content:center;height:min(75vh,100vw)}"));
    out.line(QStringLiteral(".stage a{display:contents}"));
    out.line(QStringLiteral("#photo{display:block;max-width:100%;max-height:100%;touch-action:pan-y}"));
    out.line(QStringLiteral(".bar{display:flex;justify-content:center;align-items:center;gap:1rem;margin:.5rem}"));
    out.line(QStringLiteral(".bar a{display:inline-flex;align-items:center;justify-content:center;min-width:48px;"
                            "min-height:48px;padding:0 1rem;border:2px solid;border-radius:.5rem}"));
    out.line(QStringLiteral("</style>"));
}

// A script array of texts: "['a','b']".
QString scriptArray(const QStringList &texts)
{
    QStringList items;
    for (const QString &text : texts)
        items.append(QLatin1Char('\'') + text + QLatin1Char('\''));
    return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
}

// Moves between the photos; loads the one shown and the next.
void script(PageLines &out, const QStringList &names, const PageWords &words)
{
    QStringList urls, texts;
    for (const QString &name : names) {
        urls.append(SlidePage::scriptUrl(name));
        texts.append(SlidePage::scriptString(name));
    }
    out.line(QStringLiteral("<script>"));
    out.line(QStringLiteral("(function(){"));
    out.line(QStringLiteral("var urls=") + scriptArray(urls) + QLatin1Char(';'));
    out.line(QStringLiteral("var names=") + scriptArray(texts) + QLatin1Char(';'));
    out.line(QStringLiteral("var counter='") + SlidePage::scriptString(word(words.photoOf)) + QStringLiteral("';"));
    out.line(QStringLiteral("var i=0,x=null,el=function(id){return document.getElementById(id);};"));
    out.line(QStringLiteral("var photo=el('photo'),link=el('link'),prev=el('prev'),next=el('next');"));
    out.line(QStringLiteral("function at(k){return (k+urls.length)%urls.length;}"));
    out.line(QStringLiteral("function preload(){new Image().src=urls[at(i+1)];}"));
    out.line(QStringLiteral("function show(k){i=at(k);photo.src=urls[i];photo.alt=names[i];link.href=urls[i];"
                            "el('name').textContent=names[i];"
                            "el('count').textContent=counter.replace('%1',i+1).replace('%2',urls.length);"
                            "prev.href=urls[at(i-1)];next.href=urls[at(i+1)];preload();}"));
    out.line(QStringLiteral("prev.onclick=function(e){e.preventDefault();show(i-1);};"));
    out.line(QStringLiteral("next.onclick=function(e){e.preventDefault();show(i+1);};"));
    out.line(QStringLiteral("document.addEventListener('keydown',function(e){"
                            "if(e.key==='ArrowLeft')show(i-1);else if(e.key==='ArrowRight')show(i+1);});"));
    out.line(QStringLiteral("photo.addEventListener('touchstart',function(e){x=e.changedTouches[0].clientX;},"
                            "{passive:true});"));
    out.line(QStringLiteral("photo.addEventListener('touchend',function(e){if(x===null)return;"
                            "var d=e.changedTouches[0].clientX-x;x=null;"
                            "if(Math.abs(d)>40)show(d<0?i+1:i-1);},{passive:true});"));
    out.line(QStringLiteral("if(document.readyState==='complete')preload();"
                            "else window.addEventListener('load',preload);"));
    out.line(QStringLiteral("})();"));
    out.line(QStringLiteral("</script>"));
}

void photoAndBar(PageLines &out, const QStringList &names, const PageWords &words)
{
    const QString &first = names.first();
    const QString previous = names.last();
    const QString following = names.value(1, first);
    out.line(QStringLiteral("<figure>"));
    out.line(QStringLiteral("<div class=\"stage\"><a id=\"link\" href=%1><img id=\"photo\" src=%1 alt=\"%2\" "
                            "fetchpriority=\"high\"></a></div>")
                 .arg(href(first), HtmlText::attribute(first)));
    out.line(QStringLiteral("<figcaption id=\"name\">") + HtmlText::text(first) + QStringLiteral("</figcaption>"));
    out.line(QStringLiteral("</figure>"));
    out.line(QStringLiteral("<div class=\"bar\">"));
    out.line(QStringLiteral("<a id=\"prev\" href=%1>%2</a>").arg(href(previous), word(words.previousPhoto)));
    out.line(QStringLiteral("<span id=\"count\">") + word(words.photoOf).arg(1).arg(names.size()).toHtmlEscaped() +
             QStringLiteral("</span>"));
    out.line(QStringLiteral("<a id=\"next\" href=%1>%2</a>").arg(href(following), word(words.nextPhoto)));
    out.line(QStringLiteral("</div>"));
    out.line(QStringLiteral("<p>") + word(words.slideHelp) + QStringLiteral("</p>"));
}

} // namespace

namespace ModernSlidePage {

QByteArray page(const DesignValues &design, const QStringList &names, const QDate &updated, PageLanguage language)
{
    const PageWords &words = PageWords::of(language);
    PageLines out;
    ModernPage::openHead(out, words, design.title, HtmlText::markupAsAttribute(design.title));
    styleSheet(out, ModernPalette::of(design));
    out.line(QStringLiteral("</head>"));
    out.line(QStringLiteral("<body>"));
    out.line(QStringLiteral("<header>"));
    out.line(QStringLiteral("<h1>") + design.title + QStringLiteral("</h1>"));
    out.line(ModernPage::updatedLine(words, updated));
    out.line(QStringLiteral("</header>"));
    out.line(QStringLiteral("<main>"));
    if (!names.isEmpty())
        photoAndBar(out, names, words);
    out.line(QStringLiteral("</main>"));
    out.line(QStringLiteral("<footer><p>") + design.footer + QStringLiteral("</p></footer>"));
    if (!names.isEmpty())
        script(out, names, words);
    out.line(QStringLiteral("</body>"));
    out.line(QStringLiteral("</html>"));
    return out.bytes();
}

} // namespace ModernSlidePage
