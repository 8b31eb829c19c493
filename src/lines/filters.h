// Keyword sets: the filter of listed and copied lines, their selection and labels.
#pragma once
#include <string>
#include <string_view>

namespace qv {

// True when the line is to be listed (or copied) under the current selection.
bool LineMatchesFilter(std::string_view line);

// Only set onlySet selected, or none for -1.
void SelectKeywordSets(int onlySet);
// Selects set, or deselects it; the filter is off once none is selected.
void ToggleKeywordSet(int set);

// "&i " and the words of set i, as its item in the keyword-set submenu.
std::string KeywordSetLabel(int set);

}  // namespace qv
