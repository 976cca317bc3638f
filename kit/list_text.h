// Entries of combo boxes, list boxes and tab controls as GBK texts: the lists' side of the edge of
// text/wide.h, so that no dialog converts list texts by hand.  Entries are numbered
// from 0; -1 stands for no entry.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace kit {

// Combo boxes (drop-down lists).
int combo_add(HWND combo, std::string_view text);  // the new entry's number, or -1
std::string combo_text(HWND combo, int index);     // empty for no such entry
int combo_count(HWND combo);
int combo_selection(HWND combo);                   // -1 when nothing is selected
std::string combo_selected_text(HWND combo);       // empty when nothing is selected
bool combo_select(HWND combo, int index);          // -1 clears the selection
void combo_clear(HWND combo);
// Replaces every entry with entries and selects the last of them.
void combo_fill_select_last(HWND combo, const std::vector<std::string>& entries);

// List boxes (single selection), the same operations.
int list_add(HWND list, std::string_view text);
std::string list_text(HWND list, int index);
int list_count(HWND list);
int list_selection(HWND list);
std::string list_selected_text(HWND list);
bool list_select(HWND list, int index);
void list_clear(HWND list);

// Tab controls: inserts a tab with this label at index; the new tab's number, or -1.
int tab_insert(HWND tab, int index, std::string_view text);

}  // namespace kit
