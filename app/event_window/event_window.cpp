#include "app/event_window/event_window.h"

#include "app/event_window/event_actions.h"
#include "app/event_window/event_rule.h"
#include "app/event_window/event_free_key.h"
#include "app/event_window/event_journal.h"
#include "app/event_window/line_matcher.h"
#include "app/event_window/log_store.h"
#include "app/event_window/rule_bar.h"
#include "app/event_window/rule_finder.h"
#include "app/event_window/rule_loader.h"
#include "app/event_window/rule_text.h"
#include "app/event_window/table_fill.h"
#include "app/event_window/table_mouse.h"

namespace zorn {

namespace {

using RuleBar = TClassChildPanel_EventRuleBar;
using RuleLoader = TClassMultiElement_EventRuleLoader;
using RuleText = TClassMultiElement_EventRuleText;
using FreeKey = TClassMultiElement_EventFreeKey;
using Rule = TClassMultiElementEx_EventRule;
using LineMatcher = TClassMultiElement_EventLineMatcher;
using LogStore = TClassMultiElement_EventLogStore;
using TableFill = TClassMultiElement_EventTableFill;
using TableMouse = TClassMultiElement_EventTableMouse;
using RuleFinder = TClassMultiElement_EventRuleFinder;
using Actions = TClassMultiElement_EventActions;
using Journal = TClassMultiElement_EventJournal;

// Popup menu items; the separators count. The journal's item comes last,
// and only when the journal is on.
enum TMenuItem : uint16_t { miEdit = 0, miFilter = 1, miAdd = 3, miAll = 5, miJournal = 6 };

void SelectedRow(TZEIf_else& g) {
  g.Type = cmGreaterOrEqual;
  MakeInt(g.Op2, 0);
}

}  // namespace

TClassChildForm_EventWindow::TClassChildForm_EventWindow(TZEMultiElement* host,
                                                         TElement* parentControl,
                                                         TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(3, 0); });
  form = Make<ui::TZEMainForm>([&](auto& f) {
    f.Parent = dynamic_cast<ui::TZEWin*>(parentControl);
    f.Caption = "Журнал событий";
    f.IconName = "ICON7";
    f.Left = 35;
    f.Top = 105;
    f.Width = 379;
    f.Height = 197;
    f.BorderStyle = 2;
    f.Color = 0xFF00000F;
    f.Place = "config.ini\\eventForm";
    f.Visible = false;
  });
  ruleBar = Make<TZEMultiElement>(HostPoints(1, 0));
  table = Make<ui::TzeStringTableMT>([&](auto& t) {
    t.Parent = form;
    t.Left = 0;
    t.Top = 24;
    t.Width = 363;
    t.Height = 139;
    t.Align = ui::alClient;
    // The time column holds a whole stamp, "hh:mm:ss DD-MM-YYYY".
    t.Columns = "Время=125\r\nСобытие\r\nУсловие\r\nЗначение\r\nДействие=200";
    t.Separator = ';';
    t.MaxRows = 200;  // as many as the log keeps, between refills too
  });
  menu = Make<ui::TzePopupMenuEx>([&](auto& m) {
    m.Items = "Редактировать\r\nФильтр по выбранному\r\n-\r\nДобавить\r\n-\r\nВсе события\r\n";
    m.Font = TFontRec{"MS Sans Serif", 8, 0, 0, 1};
    m.Owner = form;
  });
  sound = Make<TZEPlaySound>([](auto& s) { s.Mode = pmAsync; });
  ruleLoader = Make<TZEMultiElement>(HostPoints(3, 0));
  ruleText = Make<TZEMultiElement>(HostPoints(2, 1));
  freeKey = Make<TZEMultiElement>(HostPoints(1, 1));
  rules = Make<TZEMultiElementEx>([](auto& r) {
    HostPoints(7, 1)(r);
    r.CreateOnDemand = true;  // no instance before the first rule
  });
  lineMatcher = Make<TZEMultiElement>(HostPoints(1, 1));
  logStore = Make<TZEMultiElement>(HostPoints(2, 0));
  tableFill = Make<TZEMultiElement>(HostPoints(2, 2));
  tableMouse = Make<TZEMultiElement>(HostPoints(1, 0));
  ruleFinder = Make<TZEMultiElement>(HostPoints(1, 1));
  actions = Make<TZEMultiElement>(HostPoints(0, 0));
  showing = Make<TZEHub>(Outputs(2));
  cleared = Make<TZEHub>(Outputs(2));
  menuItems = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(7); });
  rowToEdit = Make<TZEIf_else>(SelectedRow);
  selectedRow = Make<TZEDoData>();
  rowToFilter = Make<TZEIf_else>(SelectedRow);
  editText = Make<TZEStrCat>([](auto& c) { c.Str1 = "1;"; });
  journal = Make<TZEMultiElement>(HostPoints(3, 0));
  loading = Make<TZEHub>(Outputs(2));
  journalItem = Make<TZEDoData>([](auto& d) { MakeStr(d.Data, "Открыть журнал"); });
  journalFolder = Make<TZEDoData>();
  Control = form;

  Bind(boundary, host);

  // Window inputs. The journal starts on the first load only, before the
  // rules.
  Connect(boundary->InnerEvents[Load], loading, &TZEHub::Distribute);
  Connect(loading->Outputs[0], journal, &TZEMultiElement::Action, Journal::Start);
  Connect(loading->Outputs[1], ruleLoader, &TZEMultiElement::Action, RuleLoader::Load);
  Connect(boundary->InnerEvents[Line], lineMatcher, &TZEMultiElement::Action, LineMatcher::Line);
  Connect(boundary->InnerEvents[Show], showing, &TZEHub::Distribute);
  Connect(showing->Outputs[0], tableFill, &TZEMultiElement::Action, TableFill::ShowAll);
  Connect(showing->Outputs[1], Win(form), &ui::TZEWin::SetVisible);

  // Loading: away with the old rules, then one instance and one selector
  // entry per rule.
  Connect(ruleLoader->Events[RuleLoader::OnClear], cleared, &TZEHub::Distribute);
  Connect(cleared->Outputs[0], rules, &TZEMultiElementEx::ClearInstances, Rule::Cleared);
  Connect(cleared->Outputs[1], ruleBar, &TZEMultiElement::Action, RuleBar::Clear);
  Connect(ruleLoader->Events[RuleLoader::OnRule], ruleText, &TZEMultiElement::Action,
          RuleText::Rule);
  Connect(ruleText->DataInputs[RuleText::Position], ruleLoader, &TZEMultiElement::DataOutput,
          RuleLoader::Position);
  Connect(ruleText->Events[RuleText::OnInstance], rules, &TZEMultiElementEx::AddInstance,
          Rule::Setup);
  Connect(ruleText->Events[RuleText::OnDescription], ruleBar, &TZEMultiElement::Action,
          RuleBar::Add);

  // Lines: each rule it concerns is told its status and the value.
  Connect(lineMatcher->DataInputs[LineMatcher::Rules], ruleLoader, &TZEMultiElement::DataOutput,
          RuleLoader::Rules);
  Connect(lineMatcher->Events[LineMatcher::OnRule], rules, &TZEMultiElementEx::SendToInstance,
          Rule::Line);
  Connect(rules->DataInputs[Rule::StatusText], lineMatcher, &TZEMultiElement::DataOutput,
          LineMatcher::StatusText);

  // What a rule does when it fires.
  Connect(rules->Events[Rule::OnRow], logStore, &TZEMultiElement::Action, LogStore::Row);
  Connect(rules->Events[Rule::OnSound], sound, &TZEPlaySound::Play);
  for (uint16_t i = 0; i < 5; ++i) {
    Connect(rules->Events[Rule::OnOpen + i], actions, &TZEMultiElement::Action, Actions::Open + i);
  }
  Connect(logStore->Events[LogStore::OnRow], tableFill, &TZEMultiElement::Action, TableFill::Row);
  Connect(tableFill->DataInputs[TableFill::Rows], logStore, &TZEMultiElement::DataOutput,
          LogStore::Rows);
  Connect(tableFill->DataInputs[TableFill::Selected], table, &ui::TzeStringTableMT::Value);
  Connect(tableFill->Events[TableFill::OnClear], table, &ui::TzeStringTableMT::Clear);
  Connect(tableFill->Events[TableFill::OnAdd], table, &ui::TzeStringTableMT::Add);

  // The journal: its rows come back at start as they were logged, each new
  // row goes to it, and its fault goes out for the operator.
  Connect(journal->Events[Journal::OnRow], logStore, &TZEMultiElement::Action, LogStore::Restore);
  Connect(logStore->Events[LogStore::OnLogged], journal, &TZEMultiElement::Action, Journal::Row);
  Connect(journal->Events[Journal::OnStarted], journalItem, &TZEDoData::Emit);
  Connect(journalItem->OnEmit, menu, &ui::TzePopupMenuEx::AddItems);
  Connect(journal->Events[Journal::OnFault], boundary, &TZEEditMulti::Action, OnJournalFault);

  // The popup menu and its items.
  Connect(table->OnMouseDown, tableMouse, &TZEMultiElement::Action, TableMouse::Press);
  Connect(tableMouse->Events[TableMouse::OnPopup], menu, &ui::TzePopupMenuEx::Popup);
  Connect(menu->OnClick, menuItems, &TZEIndexToChanel::Route);
  Connect(menuItems->Channels[miEdit], rowToEdit, &TZEIf_else::Compare);
  Connect(rowToEdit->Op1Input, table, &ui::TzeStringTableMT::Index);
  Connect(rowToEdit->OnTrue, selectedRow, &TZEDoData::Emit);
  Connect(selectedRow->DataInput, table, &ui::TzeStringTableMT::Value);
  Connect(selectedRow->OnEmit, ruleFinder, &TZEMultiElement::Action, RuleFinder::Row);
  Connect(menuItems->Channels[miFilter], rowToFilter, &TZEIf_else::Compare);
  Connect(rowToFilter->Op1Input, table, &ui::TzeStringTableMT::Index);
  Connect(rowToFilter->OnTrue, tableFill, &TZEMultiElement::Action, TableFill::ShowSelected);
  Connect(menuItems->Channels[miAdd], ruleLoader, &TZEMultiElement::Action, RuleLoader::Add);
  Connect(menuItems->Channels[miAll], tableFill, &TZEMultiElement::Action, TableFill::ShowAll);
  // The folder opens as the rules' "Открыть файл" opens a file.
  Connect(menuItems->Channels[miJournal], journalFolder, &TZEDoData::Emit);
  Connect(journalFolder->DataInput, journal, &TZEMultiElement::DataOutput, Journal::Folder);
  Connect(journalFolder->OnEmit, actions, &TZEMultiElement::Action, Actions::Open);

  // Editing and adding end in the editor's text.
  Connect(ruleLoader->Events[RuleLoader::OnFreeKey], freeKey, &TZEMultiElement::Action,
          FreeKey::Find);
  Connect(freeKey->DataInputs[FreeKey::Rules], ruleLoader, &TZEMultiElement::DataOutput,
          RuleLoader::Rules);
  Connect(freeKey->Events[FreeKey::OnKey], editText, &TZEStrCat::Concat);
  Connect(ruleBar->Events[RuleBar::OnChoose], ruleFinder, &TZEMultiElement::Action,
          RuleFinder::Position);
  Connect(ruleFinder->DataInputs[RuleFinder::Rules], ruleLoader, &TZEMultiElement::DataOutput,
          RuleLoader::Rules);
  Connect(ruleFinder->Events[RuleFinder::OnKey], editText, &TZEStrCat::Concat);
  Connect(editText->OnResult, boundary, &TZEEditMulti::Action, OnEdit);

  // The inner schemes, last.
  for (TZEMultiElement* inner : {ruleBar, ruleLoader, ruleText, freeKey, lineMatcher, logStore,
                                 tableFill, tableMouse, ruleFinder, actions, journal}) {
    inner->ParentControl = form;
    inner->ParentScheme = this;
  }
  rules->ParentControl = form;
  rules->ParentScheme = this;
  ruleBar->SetFactory(&SchemeFactory<TClassChildPanel_EventRuleBar>);
  ruleLoader->SetFactory(&SchemeFactory<TClassMultiElement_EventRuleLoader>);
  ruleText->SetFactory(&SchemeFactory<TClassMultiElement_EventRuleText>);
  freeKey->SetFactory(&SchemeFactory<TClassMultiElement_EventFreeKey>);
  rules->SetFactory(&SchemeFactoryEx<TClassMultiElementEx_EventRule>);
  lineMatcher->SetFactory(&SchemeFactory<TClassMultiElement_EventLineMatcher>);
  logStore->SetFactory(&SchemeFactory<TClassMultiElement_EventLogStore>);
  tableFill->SetFactory(&SchemeFactory<TClassMultiElement_EventTableFill>);
  tableMouse->SetFactory(&SchemeFactory<TClassMultiElement_EventTableMouse>);
  ruleFinder->SetFactory(&SchemeFactory<TClassMultiElement_EventRuleFinder>);
  actions->SetFactory(&SchemeFactory<TClassMultiElement_EventActions>);
  journal->SetFactory(&SchemeFactory<TClassMultiElement_EventJournal>);
}

}  // namespace zorn
