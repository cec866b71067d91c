#pragma once
// The launcher's main window: reads the settings at start-up, sizes itself, builds one push
// button per game entry and carries out an entry when its button is pressed.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/form_win32.h"
#include "launcher/grid_layout.h"
#include "platform/unique_handle_win32.h"
#include "settings/ini_file.h"

namespace zix {

class Tfrmmain final : public TForm {
 public:
  Tfrmmain() = default;
  ~Tfrmmain() override;

  void CreateHandle() override;

  // The one start-up step: settings, outer size, grid, title, buttons.
  void LoadByCreate();

  const std::vector<TButton>& GameButtons() const override { return buttons_; }
  const TButton* FindGameButton(HWND control) const override;

  // The settings, from LoadByCreate until FormClose.
  std::unique_ptr<TMemIniFile> ini;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void DoClose(TCloseAction& action) override { FormClose(this, action); }

 private:
  void CreateGameButtons();
  const TButton& AddGameButton(const GameButtonSpec& buttonSpec);
  void GameButtonClick(const TButton& Sender);
  void FormClose(const TForm* Sender, TCloseAction& Action);
  void OnActivate(bool activating, bool minimised);

  UniqueFont font_;  // declared before the buttons' records; the window goes first anyway
  std::vector<TButton> buttons_;
  HWND lastFocus_ = nullptr;  // the button that had the focus when the window was deactivated
};

// The one main window, set by Application->CreateForm as soon as the object exists.
extern Tfrmmain* frmmain;

}  // namespace zix
