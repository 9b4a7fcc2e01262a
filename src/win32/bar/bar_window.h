// The bar's top-level window (class "TOVB_Form1").
#pragma once

#include <windows.h>

#include <string>

#include "core/platform/registry.h"
#include "core/settings/bar_options.h"
#include "core/view/bar_layout.h"
#include "win32/base/window.h"

namespace olb::win {

class Application;

class BarWindow : public BaseWindow<BarWindow> {
 public:
  BarWindow(Application& app, Registry& registry, UINT appBarNotify);
  ~BarWindow();

  // The root shortcuts folder and the folder shown; see the start-up code.
  std::string RootPath;
  std::string CurrentPath;
  // What the title strip shows.
  std::string TitleText = "OVEL LAUNCH BAR";

  const BarOptions& options() const { return options_; }
  Edge CurrentEdge() const;
  void ApplyEdge(Edge edge);
  bool SaveOptions();
  void Show();
  void LayoutBar();
  // Recomputes the title from the folder shown and repaints the strip.
  void UpdateTitle();
  const BarLayout& layout() const { return layout_; }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  // The window as designed, before the caption is removed.
  static RECT DesignedRect();

 private:
  void FormCreate();
  void FormClose();
  void FormDestroy();
  void LoadOptions();
  void HideCaption();
  void FormPaint();
  UINT_PTR SendAppBarMessage(DWORD message, Edge edge, LPARAM lParam, RECT* rect);
  BarOptions Placeable() const;

  Application& app_;
  Registry& registry_;
  UINT appBarNotify_;
  BarOptions options_ = InitialOptions();
  Edge proposedEdge_ = Edge::None;
  UINT taskbarState_ = 0;
  bool captionHidden_ = false;
  bool barWndProcInstalled_ = false;
  bool fullScreenAppOpen_ = false;
  BarLayout layout_ = DesignLayout();
};

}  // namespace olb::win
