#include "qt/program.h"

#include "qt/fonts.h"
#include "ui/finestra.h"

namespace orv {

Program::Program() : g_(platform_) {
  InstallFontSubstitutions();
  CollegaEventi(g_);
  Form_Load(g_);
  window_ = std::make_unique<MainWindow>(g_);
  platform_.setWindow(
      window_.get(), [this] { window_->sync(); }, [this] { window_->repaintNow(); });
}

}  // namespace orv
