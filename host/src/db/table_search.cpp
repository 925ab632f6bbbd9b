// acdbTblSearch and acdbTblNext over the host's symbol tables.
#include "arx/acedads.h"
#include "list_codec.h"
#include "state/session_state.h"
#include "zcad/database.h"

using namespace zcad;

namespace {

// acdbTblNext's position in each table, as the host keeps one per table.
struct Cursor {
    const SymbolTable* table = nullptr;
    std::size_t next = 0;
};

struct Cursors {
    Cursor of[3];
};

Cursor& cursorOf(const SymbolTable* table) {
    Cursor* cursors = sessionState<Cursors>().of;
    Database& db = currentDatabase();
    const SymbolTable* tables[3] = {&db.layers(), &db.styles(), &db.linetypes()};
    for (int i = 0; i < 3; ++i) {
        if (tables[i] == table) {
            if (cursors[i].table != table) cursors[i] = {table, 0};
            return cursors[i];
        }
    }
    return cursors[0];
}

}  // namespace

resbuf* acdbTblSearch(const ACHAR* tableName, const ACHAR* name, int setNext) {
    if (!tableName || !name) return nullptr;
    SymbolTable* table = currentDatabase().table(tableName);
    if (!table) return nullptr;
    const TableRecord* record = table->find(name);
    if (!record) return nullptr;
    if (setNext) cursorOf(table).next = static_cast<std::size_t>(record - table->records().data()) + 1;
    return tableRecordToResbuf(*table, *record);
}

resbuf* acdbTblNext(const ACHAR* tableName, int rewind) {
    if (!tableName) return nullptr;
    SymbolTable* table = currentDatabase().table(tableName);
    if (!table) return nullptr;
    Cursor& cursor = cursorOf(table);
    if (rewind) cursor.next = 0;
    if (cursor.next >= table->records().size()) return nullptr;
    return tableRecordToResbuf(*table, table->records()[cursor.next++]);
}
