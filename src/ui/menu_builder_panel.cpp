#include "ui/menu_builder_panel.h"

namespace wk::ui {

MenuBuilderPanel::MenuBuilderPanel(Workspace& ws, QWidget* parent) : QWidget(parent), ws_(ws) {}
void MenuBuilderPanel::newNode() {}
void MenuBuilderPanel::editNode() {}
void MenuBuilderPanel::deleteNode() {}
void MenuBuilderPanel::moveUp() {}
void MenuBuilderPanel::moveDown() {}
void MenuBuilderPanel::reload() {}
void MenuBuilderPanel::setLarge(bool) {}

}  // namespace wk::ui
