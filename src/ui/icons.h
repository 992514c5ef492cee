#pragma once
// The toolbar's pictures, drawn by the program itself so that they look the
// same on every desktop, with or without an icon theme.
#include <QIcon>

namespace wk::ui {

enum class IconKind {
    NewNode,
    EditNode,
    DeleteNode,
    MoveUp,
    MoveDown,
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
