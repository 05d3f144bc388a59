// kor::RegistryQuery: one read-only query on PROJ's database file.
#pragma once

#include <memory>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace kor {

/// For the lists PROJ's factory cannot give in one call, or only by listing far more than
/// is needed. Every failure is a KORException naming the database. Queries on the same
/// database share one connection: opening one parses the registry's whole schema, its
/// views and triggers, which costs more than most queries.
class RegistryQuery {
public:
    RegistryQuery(std::string databasePath, char const* sql);

    /// Steps to the next row; false after the last.
    bool Next();

    int Integer(int column) const;
    double Number(int column) const;
    bool IsNull(int column) const;
    /// UTF-8 text; empty for null.
    std::string Text(int column) const;
    std::wstring WideText(int column) const;

private:
    struct FinalizeStatement {
        void operator()(sqlite3_stmt* statement) const;
    };

    [[noreturn]] void Fail(char const* reason) const;

    std::string m_databasePath;
    /// Shared by every query on the same database, and kept for the process.
    sqlite3* m_db = nullptr;
    std::unique_ptr<sqlite3_stmt, FinalizeStatement> m_statement;
};

} // namespace kor
