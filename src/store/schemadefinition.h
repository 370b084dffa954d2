#pragma once

#include <cstddef>

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
    const char *tables;
    const char *history_table;  // added by schema version 2
    const QueryDefinition *queries;
    std::size_t query_count;
};

const SchemaDefinition &file_schema();
const SchemaDefinition &server_schema();

} // namespace dayvane
