#pragma once
// The program's pictures, bundled or drawn by the program itself so that they
// look the same on every desktop, with or without an icon theme.
#include <QIcon>

namespace wk::ui {

// The menu builder's pictures, in 16 and 32 pixels: "new", "open", "delete",
// "up", "down", and "menu" and "item" for the tree's nodes.
QIcon BuilderIcon(const QString& name);
// A picture with a red warning mark in its lower right corner: a node whose link leads nowhere.
QIcon WarningIcon(const QIcon& picture);

// The other toolbar commands' pictures, drawn in the builder pictures' colours.
enum class IconKind {
    Boilerplate,
    Browse,
    Category,
    Commit,
    Preview,
    Help,
    About,
    Magnify,
    Shrink,
};

QIcon ToolbarIcon(IconKind kind);

}  // namespace wk::ui
