// What a list control holds, as plain data: its entries, the selected entry
// and, for an editable list, the typed text.
#ifndef QLC_CFG_PANEL_CHOICE_LIST_H
#define QLC_CFG_PANEL_CHOICE_LIST_H

#include <string>
#include <vector>

struct ChoiceList {
  std::vector<std::string> entries;
  int selected = -1;  // -1: nothing selected (typed text)
  std::string text;   // the edit text of an editable list

  // The selected entry's text, else the typed text.
  std::string Text() const {
    if (selected >= 0 && selected < static_cast<int>(entries.size()))
      return entries[static_cast<size_t>(selected)];
    return text;
  }
  // Selects the entry equal to value, appending it when it is missing.
  void SelectOrAppend(const std::string& value) {
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i] == value) {
        selected = static_cast<int>(i);
        return;
      }
    }
    entries.push_back(value);
    selected = static_cast<int>(entries.size()) - 1;
  }
};

#endif
