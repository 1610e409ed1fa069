#pragma once

#include <QString>

#include <optional>
#include <vector>

// "Swap infos (any)": the fields of a music name (the texts around the separators " - ",
// found from the left) written in a chosen order, joined by " - ". Fields not named are
// dropped; a field may be named more than once.
class FieldOrder {
public:
    // The order as typed: field numbers from 1, separated by spaces or commas ("2 1",
    // "3,1,2"). std::nullopt when the entry holds anything else or no number at all.
    static std::optional<std::vector<int>> parse(const QString& entry);
    // The name rewritten; unchanged when the order names a field the name does not have.
    static QString apply(const QString& s, const std::vector<int>& order);
};
