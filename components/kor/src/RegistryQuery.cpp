#include "RegistryQuery.h"

#include "kor/KORException.h"

#include "shr/Utf8.h"

#include <sqlite3.h>

#include <map>
#include <memory>

namespace kor {

namespace {

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

/// The connection to `databasePath`, opened on first use; null when it cannot be opened,
/// with the reason in `reason`.
sqlite3* SharedConnection(std::string const& databasePath, std::string& reason) {
    static std::map<std::string, std::unique_ptr<sqlite3, CloseDatabase>> connections;
    if (auto const found = connections.find(databasePath); found != connections.end()) {
        return found->second.get();
    }
    sqlite3* db = nullptr;
    int const opened = sqlite3_open_v2(databasePath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::unique_ptr<sqlite3, CloseDatabase> connection(db);
    if (opened != SQLITE_OK) {
        reason = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
        return nullptr;
    }
    // Mapped, the pages a listing reads are not copied in one read call each. Without it
    // the reads only cost more, so a refusal is no failure.
    sqlite3_exec(db, "PRAGMA mmap_size = 268435456", nullptr, nullptr, nullptr);
    return connections.emplace(databasePath, std::move(connection)).first->second.get();
}

} // namespace

void RegistryQuery::FinalizeStatement::operator()(sqlite3_stmt* statement) const {
    sqlite3_finalize(statement);
}

RegistryQuery::RegistryQuery(std::string databasePath, char const* sql)
    : m_databasePath(std::move(databasePath)) {
    std::string reason;
    m_db = SharedConnection(m_databasePath, reason);
    if (m_db == nullptr) {
        Fail(reason.c_str());
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        Fail(sqlite3_errmsg(m_db));
    }
    m_statement.reset(statement);
}

bool RegistryQuery::Next() {
    int const step = sqlite3_step(m_statement.get());
    if (step != SQLITE_ROW && step != SQLITE_DONE) {
        Fail(sqlite3_errmsg(m_db));
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

void RegistryQuery::Fail(char const* reason) const {
    throw KORException(L"The registry '" + shr::FromUtf8(m_databasePath) + L"' cannot be read: " +
                       shr::FromUtf8(reason));
}

} // namespace kor
