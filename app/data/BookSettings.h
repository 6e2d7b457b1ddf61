#pragma once

#include "database/Connection.h"

#include <QString>
#include <optional>

namespace pellam::data {

// Settings kept in the year's books rather than on the computer, so every
// computer that works in the books sees the same: by name, as text.
class BookSettings {
public:
    explicit BookSettings(db::Connection& conn) : conn_(conn) {}

    std::optional<QString> value(const QString& name) const;
    // Inside the caller's transaction if any.
    void set(const QString& name, const QString& value);
    void remove(const QString& name);

private:
    db::Connection& conn_;
};

} // namespace pellam::data
