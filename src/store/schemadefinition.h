#pragma once

#include <cstddef>
#include <vector>

namespace dayvane {

// One stored query as the schema writes it into a database.
struct QueryDefinition
{
    const char *name;
    const char *base_table;  // empty: read only; else written through its "id"
    const char *select_sql;
};

// The tables and stored queries in one engine's SQL. Both engines hold the
// same tables, fields and queries, giving the same records.
struct SchemaDefinition
{
    int version;  // the schema version this program writes
    const char *tables;
    const char *history_table;  // added by schema version 2
    // The database's id (see databaseid.h): made with the database, or on
    // first need in one from before it, so its SQL is IF NOT EXISTS.
    const char *identity_table;
    const QueryDefinition *queries;
    std::size_t query_count;
};

const SchemaDefinition &file_schema();
const SchemaDefinition &server_schema();
// The server's before version 3, which kept the passwords readable: its
// queries read them as a file's do.
const SchemaDefinition &server_schema_before_proofs();

struct StoredQuery;
// The stored queries of `schema` as the program runs them and writes them
// into the table stored_query: a query with a base table is written through
// its "id".
std::vector<StoredQuery> stored_queries_of(const SchemaDefinition &schema);

} // namespace dayvane
