// The dialog kit: every dialog, property sheet and wizard of the program is
// built on it. Include this header.
//
// ============================================================= 1. A dialog
// A dialog is a class derived from kit::Dialog with a control table: a
// kit::Template holding the caption, the size and the controls in tab order,
// each with its id, kind, text, rectangle in dialog units (x, y, w, h as
// the templates give them; a horizontal unit is a quarter of the dialog
// font's average character width, a vertical unit an eighth of its height)
// and styles (definicion.h):
//
//   kit::Template Plantilla() {
//     using namespace kit;
//     return Template{"Cálculo de cascada", 347, 266, {
//         Label("Mínima diferencia de temperatura:", 160, 9, 110, 8),
//         Edit(kDTMin, 272, 7, 50, 12),
//         Label("K", 326, 9, 10, 8),
//         Edit(kCalor, 272, 23, 50, 12, kReadOnly),
//         Hosted(kCascada, kClassIdVadizod, 7, 7, 149, 252),
//         List(kAreas, 160, 120, 80, 60, kOwnerDrawn),
//         Button(kIdOk, "Aceptar", 236, 245, 50, 14),
//         Button(kIdCancel, "Cancelar", 290, 245, 50, 14),
//         Button(kRecalcular, "Button1", 0, 0, 10, 10, kHidden | kDefault)}};
//   }
//   class CCalculoCascadaDlg : public kit::Dialog {
//    public:
//     CCalculoCascadaDlg() : kit::Dialog(Plantilla()) {
//       OnFocusOut(kDTMin, [this] { Calcular(); });
//       OnClick(kRecalcular, [this] { Calcular(); });
//     }
//    protected:
//     void OnInit() override { SetNumber(kDTMin, modelo.m_dtMin); Calcular(); }
//     void OnOK() override { LeerDTMin(); kit::Dialog::OnOK(); }
//   };
//
// Kinds: Label, Frame, Group, Edit, Button, Check, Radio, List, Combo,
// UpDown (with the id of its buddy edit), Slider, Progress, Paint and Hosted
// (a control created by class id through the component registry: the four
// controls Celdix, Vadizod, Tabulix, Barrion, or a widget of your own whose
// factory you register). Styles: kGroup (starts a group: radios up to the
// next kGroup are one group, whatever else stands between them), kHidden,
// kDisabled, kDefault (the default button; Enter presses it even hidden),
// kDigits, kReadOnly, kMultiline, kListOnly (a drop-down list; without it a
// combo has an edit), kSorted, kOwnerDrawn (list rows carry colours),
// kAlignRight (an up-down takes the right end of its buddy), kArrowKeys.
// Edit's last argument limits typing to so many characters. Ids 1 (kIdOk)
// and 2 (kIdCancel) are OK and Cancel; kNoId marks controls nobody asks for.
//
// Controls are found by id (host.h): Widget(id), Get<Type>(id) for the Qt
// widget or the hosted control (Get<Barrion>(id)->AddBarra(...)), and typed
// accessors: Text/SetText, Number (the leading number of the text, 0 when
// none: for fields read as typed), Integer, SetNumber(id, v, digits) (the
// program's number text, 6 digits unless said), SetInt, Checked/SetCheck,
// RadioIndex/SetRadioIndex (of a group, by its first radio; -1 none),
// Enable, Show, SetReadOnly, Focus, FocusedId, SetDefaultId; for lists and
// combos ResetContent, AddString (with a colour for owner-drawn lists),
// InsertString, DeleteString, Count, ItemText, FindExact, CurSel/SetCurSel,
// SetItemColor; SetRange/SetPos/Pos for up-downs, sliders and progress bars,
// SetStep/StepIt/SetGradient for progress bars; Invalidate repaints. An id
// the table lacks throws std::out_of_range.
//
// ================================================ 2. Notifications
// Register handlers in the constructor, one per control and kind:
// OnClick (buttons, check boxes, radios, after the check changed),
// OnDoubleClick, OnSelect (a user's choice in a list or combo, even of the
// entry already chosen), OnFocusIn, OnFocusOut, OnEdit (the user changed an
// edit's text), OnSlide, OnStep (up-down: (pos, delta) with pos re-read from
// the buddy first; return false to refuse the step; a handler that moves
// the up-down itself has made the step, which is then not added again), OnEvent(id, n) (event
// n of a hosted control, numbered from 1 as the control declares them),
// OnPaint(id, fn(QtDc&)) (a paint area: white, 0.01 mm, y upwards, origin
// at its top-left corner) and OnTimer(fn(id)) with SetTimer(id, ms) and
// KillTimer(id). Only the user's actions notify: nothing runs while the
// dialog initialises (OnInit) or a page activates, while the dialog itself
// changes its controls through the accessors, or after it ended; a focus
// move caused by another window (a message box) does not notify either.
// OK (id 1) runs OnOK, Cancel (id 2), Escape and the close box run
// OnCancel; override them, calling the base to end the dialog.
//
// Enter first delivers the focused control's focus-out (the focus stays),
// then presses the default button if it is enabled (hidden or not), or OK
// when the dialog has none; a focused push button is pressed instead, and
// Enter in a hosted control or a multi-line edit stays there.
//
// ================================================ 3. Data exchange
// Override DataExchange to bind members to controls (exchange.h):
//   void DataExchange(kit::Exchange& dx) override {
//     dx.Text(kNombre, nombre, 25);            // at most 25 characters
//     dx.Double(kMinutos, minutos, 0.0, 300.0);
//     dx.Int(kPuntos, puntos);
//     dx.Radio(kPrimeraOpcion, eleccion);      // -1 when none is set
//     dx.Check(kAjustar, ajustar);
//     dx.Index(kLista, indice);                // -1 when none
//     if (dx.Saving() && minutos < 0.1) dx.Fail(kMinutos, "texto");
//   }
// The kit loads the members before OnInit and saves them with their checks
// on OK (and when a page is left). A failed read shows "Introduzca un
// número.", "Introduzca un número entre %1 y %2." or "No introduzca más de %1
// caracteres." through the modal runner, focuses the field and refuses OK
// (or the page change); the member keeps its value. Doubles are written with
// 15 significant digits (TextoDoble) and read with "." in every locale. Call
// UpdateData(true/false) to exchange at other times.
//
// ================================================ 4. Sheets and wizards
// A page is a kit::Page with its own template (the caption is the tab's
// text) and the same controls, handlers and exchange. Hooks: OnInit (first
// activation), OnSetActive (each activation; the base reloads the bound
// members), OnKillActive (leaving: the base saves them with their checks;
// return false to keep the page, which also refuses OK, Next and the tab
// change), OnWizardNext/Back/Finish. A sheet is a kit::PropertySheet
// (caption, parent, start page) to which the pages are added (usually its
// members): buttons "Aceptar" and "Cancelar"; OK leaves the active page
// first. SetWizardMode() makes it a wizard with "< Atrás", "Siguiente >",
// "Finalizar" and "Cancelar": Back is enabled but on the first page, Next
// but on the last, Finish on the last, unless a page's OnSetActive calls
// Sheet()->SetWizardButtons(kWizBack | kWizFinish ...); Run() returns
// kIdFinish on Finish. SetActivePage(i) changes page as a tab click does.
// Ctrl+Tab and Ctrl+PgDn (next page), Ctrl+Shift+Tab and Ctrl+PgUp
// (previous) belong to the sheet, whatever control has the focus. Every
// page change, OK, Next and Finish first delivers the focused field's
// focus-out or has the focused hosted control commit what is still typed in
// it (its public slot ConfirmarEdicion(), hostedwidgets.h): an open grid
// cell, a function-table box. A control that checks a box when it loses
// the focus skips the check when the focus goes to Cancel
// (FocoEnCancelar()), so that a message never takes Cancel's click.
//
// ================================================ 5. Running
// dlg.Run() runs the dialog modally through the modal runner (runner.h) and
// returns kIdOk, kIdCancel, kIdFinish or a code given to End(code); without
// a parent it is modal to the active window. dlg.ShowModeless() (on a dialog
// made with new) shows it without parent; it deletes itself when closed.
// Every nested run goes through the same runner: ShowMessage and AskYesNo
// (messagerunner.h, buttons "Aceptar", "Cancelar", "Sí", "No"),
// ChooseOpenFile/ChooseSaveFile (filedialogs.h), kit::ChooseFont,
// kit::ChooseColor and kit::Beep(hz, ms). kit::WaitCursor shows the wait
// cursor for a scope.
//
// ================================================ 6. Tests
// tests/comun/kit_prueba.h: install a ScriptedRunner with
// kit::ScopedModalRunner; script each nested run in order (ScriptDialog with
// a function driving the dialog, ScriptMessage, ScriptFile, ScriptFont,
// ScriptColor) and read runner.Log(). The Driver acts as a user: Type(id,
// text), Focus(id), Enter(), Escape(), Click(id), Choose(id, index),
// Step(id, ±1), Slide(id, v), Page(i), Next/Back/Finish, Timer(id) (a
// running timer's tick), Grab(png). tests/comun/kit_controles.h types into
// the hosted controls (TypeBar, TypeTableBox, EditCell). Render every dialog
// with Grab and look at the picture.
//
//   ScriptedRunner runner;
//   kit::ScopedModalRunner usar(runner);
//   runner.ScriptDialog([](Driver& d) { d.Type(kMinutos, "abc"); d.Ok(); d.Escape(); });
//   EXPECT_FALSE(EjecutarDialogoAutograbacion(nullptr, ajustes));
//   EXPECT_EQ(runner.Log()[1].text, "Introduzca un número.");
//
// ================================================ 7. The program's dialogs
// They live in dialogs/entry/ and dialogs/analysis/ (see dlg_borrar.* and
// dlg_propiedades.*): the class, a function running it on its record of
// app/core/document/puertos.h (true for OK) and a RegistrarX(FabricaDialogosQt&)
// that registers it (fabrica.Registrar<DlgX>(...) or RegistrarVentana for a
// modeless window); one line in the folder's registro.cpp calls it, which
// makes the dialog's commands available. Tests go in tests/dialogs/<folder>/
// and run the dialog through the factory with a ScriptedRunner.
#pragma once

#include "platform/qt/kit/dialog.h"
#include "platform/qt/kit/exchange.h"
#include "platform/qt/kit/host.h"
#include "platform/qt/kit/runner.h"
#include "platform/qt/kit/sheet.h"
#include "platform/qt/kit/definicion.h"
#include "platform/qt/kit/widgets.h"
