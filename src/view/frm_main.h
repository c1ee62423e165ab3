// The main window: menu bar, table and status bar.
#pragma once

#include <QMainWindow>

#include "engine/play_session.h"
#include "engine/tablerun_state.h"

class QLabel;

namespace tablerun {

class C_TTableArea;
class TAppearance;
class TImageLibrary;

class TfrmMain final : public QMainWindow {
  Q_OBJECT
public:
  TfrmMain(TTablerunState& state, TPlaySession& session, TAppearance& appearance, const TImageLibrary& library,
           QWidget* parent = nullptr);

  C_TTableArea* TableArea() const { return table_; }
  // Puts the window where the player left it (maximized on the first run).
  void RestorePlacement();

protected:
  void closeEvent(QCloseEvent* event) override;

private slots:
  void mnuEsciClick();
  void mnuAboutClick();

private:
  void BuildStatusBar();
  void ConnectCommand(const char* name, void (TfrmMain::*handler)());
  void SavePlacement();

  TTablerunState& state_;
  TPlaySession& session_;
  C_TTableArea* table_ = nullptr;
};

}  // namespace tablerun
