// What one page of the settings window does with its list and its list buttons: the
// buttons, a double-click and a changed mark in the list, and the information box for
// the selected row. The settings window hands these events to the page of the current mode.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "page_rows.h"
#include "page_window.h"

namespace ptr {

class ListPage {
public:
    explicit ListPage(PageWindow &window) : window_(window) {}
    virtual ~ListPage() = default;
    ListPage(const ListPage &) = delete;
    ListPage &operator=(const ListPage &) = delete;

    // The list's rows as the page is built; none for a page without a list.
    virtual std::vector<ListRow> Rows() const { return {}; }
    virtual void cmdList_Click(int index) = 0;
    // A double-click on the selected row.
    virtual void lstView_DblClick() {}
    // Describes row `row` in the information box and sets the buttons it allows.
    virtual void lstView_Click(int row) {}
    // The user changed the mark of row `item`; by default marks mean nothing.
    virtual void lstView_ItemCheck(int item);

protected:
    CheckList &List() const;
    HWND Owner() const;
    // The selected row, -1 when none.
    int Selected() const;
    // Selects a row (-1: none) and describes it; an empty information box without one.
    void SelectRow(int row);
    void SetInformation(const std::string &text) const;
    void SetButton(int index, const std::string &storedCaption, const std::string &tip) const;
    void EnableButton(int index, bool enabled) const;
    // A message box of this window, titled with the product name.
    int Ask(const std::string &text, UINT style) const;

    PageWindow &window_;
};

// The page of a mode (0..5).
std::unique_ptr<ListPage> MakeListPage(int mode, PageWindow &window);
// The pages, one file each.
std::unique_ptr<ListPage> MakeBasicPage(PageWindow &window);
std::unique_ptr<ListPage> MakeWatchPage(PageWindow &window);
std::unique_ptr<ListPage> MakeHotkeyPage(PageWindow &window);
std::unique_ptr<ListPage> MakeMenuPage(PageWindow &window);
std::unique_ptr<ListPage> MakePluginPage(PageWindow &window);
std::unique_ptr<ListPage> MakeInformationPage(PageWindow &window);

}  // namespace ptr
