// The sixteen category buttons: the left row opens a unit menu for left-side
// entry, the right row also names the category of the coming right-side change.
#include "catalogue.h"
#include "form1_impl.h"

namespace quantivex {
namespace {

void showAllItems(Menu& menu) {
    menu.items.showAll();
}

}  // namespace

void Form1::LeftCategoryButton_MouseDown(const ControlRow& button, int16_t mouseButton) {
    const CategoryControls& row = *categoryOfCode(button.category);
    if (mouseButton != 1) return;
    showAllItems(*row.menu);
    platform_.PopupMenu(*row.menu);
}

void Form1::LeftCategoryButton_MouseUp(const ControlRow& button, int16_t /*mouseButton*/) {
    showAllItems(*categoryOfCode(button.category)->menu);
}

void Form1::RightCategoryButton_MouseDown(const ControlRow& button, int16_t mouseButton) {
    const CategoryControls& row = *categoryOfCode(button.category);
    // Set for every button and before the menu opens: they hold even when it is dismissed.
    ActiveTokenList = row.category->tokenList;  // a view of the catalogue: no copy to keep
    ActiveCategory = std::u16string(row.category->code);
    if (mouseButton != 1) return;
    showAllItems(*row.menu);
    platform_.PopupMenu(*row.menu);
}

}  // namespace quantivex
