#include "RegistryQuery.h"

#include "kor/KORException.h"

#include "shr/Utf8.h"

#include <sqlite3.h>

namespace kor {

void RegistryQuery::CloseDatabase::operator()(sqlite3* db) const {
    sqlite3_close(db);
}

void RegistryQuery::FinalizeStatement::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

RegistryQuery::RegistryQuery(std::string databasePath, char const* sql)
    : m_databasePath(std::move(databasePath)) {
    sqlite3* db = nullptr;
    int const opened = sqlite3_open_v2(m_databasePath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    // The handle is kept even when opening fails: it carries the reason.
    m_db.reset(db);
    sqlite3_stmt* statement = nullptr;
    if (opened != SQLITE_OK || sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        Fail();
    }
    m_statement.reset(statement);
}

bool RegistryQuery::Next() {
    int const step = sqlite3_step(m_statement.get());
    if (step != SQLITE_ROW && step != SQLITE_DONE) {
        Fail();
    }
    return step == SQLITE_ROW;
}

int RegistryQuery::Integer(int column) const {
    return sqlite3_column_int(m_statement.get(), column);
}

double RegistryQuery::Number(int column) const {
    return sqlite3_column_double(m_statement.get(), column);
}

bool RegistryQuery::IsNull(int column) const {
    return sqlite3_column_type(m_statement.get(), column) == SQLITE_NULL;
}

std::string RegistryQuery::Text(int column) const {
    auto const* text =
        reinterpret_cast<char const*>(sqlite3_column_text(m_statement.get(), column));
    return text != nullptr ? text : "";
}

std::wstring RegistryQuery::WideText(int column) const {
    return shr::FromUtf8(Text(column));
}

void RegistryQuery::Fail() const {
    throw KORException(L"The registry '" + shr::FromUtf8(m_databasePath) + L"' cannot be read: " +
                       shr::FromUtf8(m_db ? sqlite3_errmsg(m_db.get()) : "out of memory"));
}

} // namespace kor
