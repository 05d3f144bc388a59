// kor::RegistryQuery: one read-only query on PROJ's database file.
#pragma once

#include <memory>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace kor {

/// For the lists PROJ's factory cannot give in one call, or only by listing far more than
/// is needed. Every failure is a KORException naming the database.
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
    struct CloseDatabase {
        void operator()(sqlite3* db) const;
    };
    struct FinalizeStatement {
        void operator()(sqlite3_stmt* statement) const;
    };

    [[noreturn]] void Fail() const;

    std::string m_databasePath;
    std::unique_ptr<sqlite3, CloseDatabase> m_db;
    std::unique_ptr<sqlite3_stmt, FinalizeStatement> m_statement;
};

} // namespace kor
