#pragma once

#include <string>

namespace kelvor {

// What the commands ask of the program's one window itself, apart from its display control.
class MainWindow {
  public:
    virtual ~MainWindow() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    // Closes the window, which ends the program.
    virtual void Close() = 0;
};

}  // namespace kelvor
