#include "ui/designer_panel.h"

namespace wk::ui {

DesignerPanel::DesignerPanel(Workspace& ws, QWidget* parent) : QWidget(parent), ws_(ws) {}
void DesignerPanel::refresh() {}

}  // namespace wk::ui
