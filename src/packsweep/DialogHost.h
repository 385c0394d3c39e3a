// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the pack remover's logic asks of its dialog window: the pack list and message boxes.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

enum class MessageBoxIcon { Information, Question };
enum class MessageBoxButtons { Ok, YesNo };
enum class MessageBoxAnswer { Ok, Yes, No };

class DialogHost {
public:
    virtual ~DialogHost() = default;

    // Replaces the list's rows with these texts, shown top to bottom in this order.
    virtual void SetListItems(const std::vector<std::string>& texts) = 0;
    // The selected rows as indices from the top of the list, ascending.
    virtual std::vector<size_t> SelectedListItems() const = 0;

    // A modal message box over the dialog. No caption means the system's default one;
    // an empty caption is shown as an empty title.
    virtual MessageBoxAnswer ShowMessageBox(const std::string& text, const std::optional<std::string>& caption,
                                            MessageBoxIcon icon, MessageBoxButtons buttons) = 0;
};
