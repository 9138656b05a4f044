// SPDX-License-Identifier: MIT
#include "window_controls.h"

#include "child_control.h"
#include "control_id.h"
#include "wide_text.h"

#include <algorithm>

namespace win32 {

namespace {

// Past the ids of the form's controls (ControlId).
constexpr int liveRegionId = 1000;

} // namespace

// Creation order is the tab order: the dialog manager follows the z-order.
// Each list's label goes just before it (labels take no focus), where
// Windows looks for the name of a control that has none of its own.
bool WindowControls::create(HWND parent, const DpiScale &scale, HFONT font,
                            const ListSource &listOf)
{
    m_parent = parent;
    for (const form::Control *control : form::TabOrder()) {
        switch (control->kind) {
        case form::ControlKind::Statement:
            m_statement = std::make_unique<StatementBox>(parent, *control, scale, font);
            break;
        case form::ControlKind::List:
            if (const form::Control *label = form::LabelOf(*control))
                createLabel(*label, scale, font);
            m_lists.push_back(std::make_unique<ListBoxView>(parent, *control, scale, font,
                                                            listOf(*control->listRole)));
            break;
        case form::ControlKind::Command:
            m_buttons.push_back(std::make_unique<CommandButton>(parent, *control, scale, font));
            break;
        case form::ControlKind::Label:
            break;
        }
    }
    for (const form::Control &control : form::Controls()) {
        if (control.kind == form::ControlKind::Label && !window(control))
            createLabel(control, scale, font);
    }
    m_liveRegion = std::make_unique<LiveRegion>(parent, liveRegionId);
    return complete();
}

bool WindowControls::complete()
{
    if (!m_liveRegion || !m_liveRegion->handle()) {
        m_failure = L"не се създаде полето за съобщения към екранния четец";
        return false;
    }
    for (const form::Control &control : form::Controls()) {
        if (!window(control)) {
            m_failure = L"не се създаде контролата „" + Widen(control.name) + L"“";
            return false;
        }
    }
    if (!m_statement || !m_statement->guarded()) {
        m_failure = L"условието на задачата не се защити от промени";
        return false;
    }
    return true;
}

void WindowControls::createLabel(const form::Control &label, const DpiScale &scale, HFONT font)
{
    m_labels.push_back(CreateChildControl(
        m_parent, label, L"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0, scale, font));
}

// Buttons and labels are named by their text; lists and the statement get
// the names the form gives them.
bool WindowControls::giveAccessibleNames(AccessibleNames &names) const
{
    bool allNamed = true;
    for (const form::Control &control : form::Controls()) {
        if (control.kind != form::ControlKind::List && control.kind != form::ControlKind::Statement)
            continue;
        const std::wstring name = Widen(control.accessibleName);
        allNamed = names.name(window(control), name.c_str()) && allNamed;
    }
    names.markLive(m_liveRegion->handle());
    return allNamed;
}

void WindowControls::forgetAccessibleNames(AccessibleNames &names) const
{
    for (const form::Control &control : form::Controls())
        names.forget(window(control));
    if (m_liveRegion)
        names.forget(m_liveRegion->handle());
}

void WindowControls::release()
{
    m_statement.reset();
    m_liveRegion.reset();
    m_lists.clear();
    m_buttons.clear();
    m_labels.clear();
}

HWND WindowControls::window(const form::Control &control) const
{
    return GetDlgItem(m_parent, ControlId(control));
}

const form::Control *WindowControls::labelOf(HWND control) const
{
    if (std::find(m_labels.begin(), m_labels.end(), control) == m_labels.end())
        return nullptr;
    for (const form::Control &label : form::Controls()) {
        if (label.kind == form::ControlKind::Label && window(label) == control)
            return &label;
    }
    return nullptr;
}

std::optional<int> WindowControls::commandOf(HWND control) const
{
    for (const auto &button : m_buttons) {
        if (button->handle() == control)
            return button->commandIndex();
    }
    return std::nullopt;
}

// The kinds of control number their notifications apart.
bool WindowControls::reportsFocusTaken(HWND control, int code) const
{
    if (commandOf(control))
        return code == BN_SETFOCUS;
    if (listOf(control))
        return code == LBN_SETFOCUS;
    return m_statement && control == m_statement->handle() && code == EN_SETFOCUS;
}

ListBoxView *WindowControls::listOf(ranking::ListRole role) const
{
    for (const auto &list : m_lists) {
        if (list->role() == role)
            return list.get();
    }
    return nullptr;
}

ListBoxView *WindowControls::listOf(HWND control) const
{
    for (const auto &list : m_lists) {
        if (list->handle() == control)
            return list.get();
    }
    return nullptr;
}

} // namespace win32
