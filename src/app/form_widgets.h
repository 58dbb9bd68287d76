#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "engine/forms/platform_control.h"

namespace kelvor::app {

// The windows of a page's form controls on Qt: line edits, buttons, check boxes, radio buttons,
// lists, drop-down lists and plain-text memos, made as children of the display's panel. The
// engine's document moves them to their places as it lays out and scrolls.
class FormWidgetFactory : public engine::FormControlFactory {
  public:
    explicit FormWidgetFactory(QWidget& panel) : panel_(&panel) {}
    std::unique_ptr<engine::FormPlatformControl> create(engine::PlatformControlKind kind) override;

  private:
    QPointer<QWidget> panel_;
};

}  // namespace kelvor::app
