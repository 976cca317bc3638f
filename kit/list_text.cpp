// Combo-box and list-box entries through the GBK edge.  The two kinds of list answer
// the same requests under different message numbers.
#include "kit/list_text.h"

#include <commctrl.h>

#include "kit/text/wide.h"

namespace kit {

namespace {

struct ListMessages {
  UINT add, text_length, text, count, selection, select, clear;
  LRESULT error;
};

constexpr ListMessages kCombo{CB_ADDSTRING, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCOUNT,
                              CB_GETCURSEL, CB_SETCURSEL,    CB_RESETCONTENT, CB_ERR};
constexpr ListMessages kList{LB_ADDSTRING, LB_GETTEXTLEN, LB_GETTEXT,     LB_GETCOUNT,
                             LB_GETCURSEL, LB_SETCURSEL,  LB_RESETCONTENT, LB_ERR};

int add(const ListMessages& m, HWND list, std::string_view text) {
  const std::wstring wide = to_wide(text);
  const LRESULT index = SendMessageW(list, m.add, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  return index < 0 ? -1 : static_cast<int>(index);
}

std::string text_of(const ListMessages& m, HWND list, int index) {
  if (index < 0) return {};
  const LRESULT length = SendMessageW(list, m.text_length, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT got = SendMessageW(list, m.text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
  return to_gbk(text);
}

int count(const ListMessages& m, HWND list) {
  const LRESULT n = SendMessageW(list, m.count, 0, 0);
  return n < 0 ? 0 : static_cast<int>(n);
}

int selection(const ListMessages& m, HWND list) {
  const LRESULT index = SendMessageW(list, m.selection, 0, 0);
  return index < 0 ? -1 : static_cast<int>(index);
}

// Selecting -1 answers the error value although it succeeds.
bool select(const ListMessages& m, HWND list, int index) {
  const LRESULT result = SendMessageW(list, m.select, static_cast<WPARAM>(index), 0);
  return index == -1 || result != m.error;
}

}  // namespace

int combo_add(HWND combo, std::string_view text) { return add(kCombo, combo, text); }
std::string combo_text(HWND combo, int index) { return text_of(kCombo, combo, index); }
int combo_count(HWND combo) { return count(kCombo, combo); }
int combo_selection(HWND combo) { return selection(kCombo, combo); }
std::string combo_selected_text(HWND combo) { return text_of(kCombo, combo, selection(kCombo, combo)); }
bool combo_select(HWND combo, int index) { return select(kCombo, combo, index); }
void combo_clear(HWND combo) { SendMessageW(combo, kCombo.clear, 0, 0); }
void combo_fill_select_last(HWND combo, const std::vector<std::string>& entries) {
  combo_clear(combo);
  for (const std::string& entry : entries) combo_add(combo, entry);
  combo_select(combo, combo_count(combo) - 1);
}

int list_add(HWND list, std::string_view text) { return add(kList, list, text); }
std::string list_text(HWND list, int index) { return text_of(kList, list, index); }
int list_count(HWND list) { return count(kList, list); }
int list_selection(HWND list) { return selection(kList, list); }
std::string list_selected_text(HWND list) { return text_of(kList, list, selection(kList, list)); }
bool list_select(HWND list, int index) { return select(kList, list, index); }
void list_clear(HWND list) { SendMessageW(list, kList.clear, 0, 0); }

int tab_insert(HWND tab, int index, std::string_view text) {
  std::wstring label = to_wide(text);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = label.data();
  return static_cast<int>(SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

}  // namespace kit
