// Every default of a run, beside the option that replaces it, and the range a
// number must keep: outside it the fallback stands in.
#pragma once
#include "common/state.h"
#include "common/text_file.h"

namespace qv::defaults {

struct Range {
    int low, high, fallback;
    constexpr int Keep(int n) const { return n >= low && n <= high ? n : fallback; }
};

// "@menu=", "/#m=": the screen centre when neither names a place.
constexpr PositionMode kPosition = positionCenter;

// "@font=" face,height,weight,italic: the face of owner-drawn lines, a height
// above 0 (else 14), a weight of 0..9 hundreds (else unchanged).
constexpr const char* kFontFace = "ＭＳ Ｐゴシック";
constexpr int kFontHeight = 13;
constexpr int kFontHeightFallback = 14;
constexpr int kFontWeight = 400;

// "@text=" tab,first,page,width,numbers: for file submenus, then text pages.
constexpr Range kTabWidth{0, 10, 4};
constexpr Range kSubmenuPageSize{1, 50, 20};
constexpr Range kRootPageSize{1, 999, 30};
constexpr Range kSubmenuItemWidth{10, 100, 80};
constexpr Range kRootItemWidth{10, 200, 80};

// "@list=" sort,grouping: a grouping outside 0..2 keeps folders apart.
constexpr Range kFolderGrouping{0, 2, 1};

// "@filter=", "/#f=": the extension listed when neither gives one.
constexpr const char* kExtension = ".txt";

// "@code=": text files are recognised as UTF-8, UTF-16 or cp932 by their first bytes.
constexpr CodeMode kCodeMode = CodeMode::automatic;

// Files are read 4 kB first, then in chunks growing up to 1 MB: a page reads
// what its lines need, a whole-file copy holds about one chunk.
constexpr ReadChunks kReadChunks{4096, 1 << 20};

// A view style before any option: owner drawing off, the page size and item
// width of its kind.
inline ViewStyle Style(const Range& pageSize, const Range& itemWidth) {
    ViewStyle style;
    style.fontFace = kFontFace;
    style.fontHeight = kFontHeight;
    style.fontWeight = kFontWeight;
    style.tabWidth = kTabWidth.fallback;
    style.pageSize = pageSize.fallback;
    style.itemWidth = itemWidth.fallback;
    return style;
}
inline ViewStyle SubmenuStyle() { return Style(kSubmenuPageSize, kSubmenuItemWidth); }
inline ViewStyle RootStyle() { return Style(kRootPageSize, kRootItemWidth); }

}  // namespace qv::defaults
