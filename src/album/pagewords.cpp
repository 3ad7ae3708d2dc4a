// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/pagewords.h"

namespace {

const PageWords Japanese{
    "ja",         "ページ",
    "ホーム",     "前のページ",
    "次のページ", "更新日",
    "サイズ",     "バイト",
    "日付",       "%1 - ページ %2/%3、写真 %4 枚",
    "前の写真",   "次の写真",
    "%1 / %2",    "左右の矢印キーかスワイプで写真を切り替えます。",
};

const PageWords English{
    "en",
    "Pages",
    "Home",
    "Previous page",
    "Next page",
    "Updated",
    "Size",
    "bytes",
    "Date",
    "%1 - page %2 of %3, %4 photos",
    "Previous photo",
    "Next photo",
    "%1 of %2",
    "Use the arrow keys or swipe to change the photo.",
};

} // namespace

const PageWords &PageWords::of(PageLanguage language)
{
    return language == PageLanguage::English ? English : Japanese;
}
