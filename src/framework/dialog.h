#pragma once
// A dialog built from a dialog template, modal or modeless. One static
// procedure finds the object through the window's user data and hands every
// message to the derived class's message map first.

#include <windows.h>

#include "framework/wnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr)
      : templateId_(templateId), parent_(parent) {}
  ~CDialog() override;

  // Runs the dialog modally in a message loop of its own, in which modeless
  // windows keep their keyboard navigation. Returns the result given to
  // EndDialog, or -1 when the window could not be created.
  INT_PTR DoModal();

  // Creates the dialog as a modeless window owned by owner.
  BOOL Create(UINT templateId, CWnd* owner);

  // Ends a modal run with result; a modeless window is hidden.
  void EndDialog(INT_PTR result);

  // Destroys the window (a modeless one; a modal one ends with its run).
  void DestroyWindow();

  // Keyboard navigation of the dialog. Its multi-line edits ignore Esc (they
  // would ask the dialog to close), in this loop and in any other.
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

  // The derived class's message map. True when it handled the message.
  virtual bool OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

  // Called after the window is gone; a self-owning window deletes itself here.
  virtual void PostNcDestroy() {}

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp);
  static HWND CreateFromTemplate(UINT templateId, HWND owner, CDialog* dialog);
  INT_PTR HandleMessage(UINT message, WPARAM wp, LPARAM lp);
  void RunModalLoop();
  // Fills list and combo boxes from the template's initialisation data.
  void ExecuteDlgInit() const;
  // A dialog whose template puts it at 0, 0 is centred over its owner.
  void CenterIfAtOrigin() const;

  UINT templateId_;
  CWnd* parent_;
  bool modal_ = false;
  bool inModalLoop_ = false;
  INT_PTR modalResult_ = -1;
};
