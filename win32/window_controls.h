// SPDX-License-Identifier: MIT
#pragma once

#include "accessible_names.h"
#include "command_button.h"
#include "dpi_scale.h"
#include "list_box_view.h"
#include "live_region.h"
#include "statement_box.h"

#include <form/form_description.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ranking {
class ItemList;
}

namespace win32 {

/// The window's controls: the form's labels, lists, buttons and statement,
/// and the live region where presses are announced. Each list shows the board
/// list it is given; the controls know nothing else of the board.
class WindowControls
{
public:
    using ListSource = std::function<ranking::ItemList &(ranking::ListRole)>;

    /// Creates every control in @p parent, in the form's tab order; false when
    /// one is missing, with the reason in failure().
    [[nodiscard]] bool create(HWND parent, const DpiScale &scale, HFONT font,
                              const ListSource &listOf);
    /// What create() could not make, in Bulgarian.
    [[nodiscard]] const std::wstring &failure() const { return m_failure; }

    /// Names the lists and the statement as the form does and makes the live
    /// region polite; false when a name could not be set.
    bool giveAccessibleNames(AccessibleNames &names) const;
    /// Takes the names off again, before the controls go.
    void forgetAccessibleNames(AccessibleNames &names) const;
    /// Lets go of the views while their controls still exist.
    void release();

    [[nodiscard]] HWND window(const form::Control &control) const;
    /// The form's label shown by @p control, or nullptr.
    [[nodiscard]] const form::Control *labelOf(HWND control) const;
    /// The command of button @p control, if it is one.
    [[nodiscard]] std::optional<int> commandOf(HWND control) const;
    /// Whether notification @p code from @p control says it took the focus.
    [[nodiscard]] bool reportsFocusTaken(HWND control, int code) const;
    /// The view of board list @p role's box, or nullptr.
    [[nodiscard]] ListBoxView *listOf(ranking::ListRole role) const;
    /// The view of list box @p control, or nullptr.
    [[nodiscard]] ListBoxView *listOf(HWND control) const;

    [[nodiscard]] const std::vector<std::unique_ptr<ListBoxView>> &lists() const { return m_lists; }
    [[nodiscard]] const std::vector<std::unique_ptr<CommandButton>> &buttons() const
    {
        return m_buttons;
    }
    [[nodiscard]] StatementBox *statement() const { return m_statement.get(); }
    [[nodiscard]] LiveRegion *liveRegion() const { return m_liveRegion.get(); }

private:
    void createLabel(const form::Control &label, const DpiScale &scale, HFONT font);
    [[nodiscard]] bool complete();

    HWND m_parent = nullptr;
    std::unique_ptr<LiveRegion> m_liveRegion;
    std::unique_ptr<StatementBox> m_statement;
    std::vector<std::unique_ptr<ListBoxView>> m_lists;
    std::vector<std::unique_ptr<CommandButton>> m_buttons;
    std::vector<HWND> m_labels;
    std::wstring m_failure;
};

} // namespace win32
