// Media lists and counted strings shared by the utilities (import, export, load, backup, restore,
// ...), and the partition list of the load utilities. Callers zero each structure before filling
// it; text fields carry one extra byte for the terminating NUL.
#pragma once

#include <cstddef>

#include "db2api/db2types.h"
#include "db2api/structs/pins.h"

// Text widths of the media entries, without the terminator.
constexpr std::size_t SQLU_DB_DIR_LEN = 215;          // sqlu_media_entry.media_entry
constexpr std::size_t SQLU_MEDIA_LOCATION_LEN = 255;  // sqlu_location_entry.location_entry
constexpr std::size_t SQLU_SHR_LIB_LEN = 255;         // sqlu_vendor.shr_lib and filename

// sqlu_media_list.media_type.
constexpr char SQLU_LOCAL_MEDIA = 'L';      // local directories (target.media)
constexpr char SQLU_SERVER_LOCATION = 'S';  // files on the server (target.location)
constexpr char SQLU_CLIENT_LOCATION = 'C';  // files on the client (target.location)
constexpr char SQLU_SQL_STMT = 'Q';         // an SQL statement (target.pStatement)
constexpr char SQLU_TSM_MEDIA = 'A';        // TSM: sessions only, no target
constexpr char SQLU_XBSA_MEDIA = 'X';       // XBSA: sessions only, no target
constexpr char SQLU_OTHER_MEDIA = 'O';      // a vendor library (target.vendor)
constexpr char SQLU_USER_EXIT = 'U';        // the user exit: no target
constexpr char SQLU_DISK_MEDIA = 'D';
constexpr char SQLU_PIPE_MEDIA = 'P';

// One local directory.
struct sqlu_media_entry {
    sqluint32 reserve_len;
    char media_entry[SQLU_DB_DIR_LEN + 1];
};
DB2_PIN_SIZE(sqlu_media_entry, 220);
DB2_PIN_OFFSET(sqlu_media_entry, media_entry, 4);

// One file (client or server location).
struct sqlu_location_entry {
    sqluint32 reserve_len;
    char location_entry[SQLU_MEDIA_LOCATION_LEN + 1];
};
DB2_PIN_SIZE(sqlu_location_entry, 260);
DB2_PIN_OFFSET(sqlu_location_entry, location_entry, 4);

// A vendor product: its shared library and an optional file name for it.
struct sqlu_vendor {
    sqluint32 reserve_len1;
    char shr_lib[SQLU_SHR_LIB_LEN + 1];
    sqluint32 reserve_len2;
    char filename[SQLU_SHR_LIB_LEN + 1];
};
DB2_PIN_SIZE(sqlu_vendor, 520);
DB2_PIN_OFFSET(sqlu_vendor, shr_lib, 4);
DB2_PIN_OFFSET(sqlu_vendor, reserve_len2, 260);
DB2_PIN_OFFSET(sqlu_vendor, filename, 264);

// An SQL statement (load from a cursor): `length` bytes at pEntry.
struct sqlu_statement_entry {
    sqluint32 length;
    char* pEntry;
};
DB2_PIN_SIZE_BY_MODEL(sqlu_statement_entry, 8, 16);
DB2_PIN_OFFSET_BY_MODEL(sqlu_statement_entry, pEntry, 4, 8);

// What a media list points to, chosen by its media_type.
union sqlu_media_list_targets {
    sqlu_media_entry* media;
    sqlu_vendor* vendor;
    sqlu_location_entry* location;
    sqlu_statement_entry* pStatement;
};
DB2_PIN_SIZE_BY_MODEL(sqlu_media_list_targets, 4, 8);

// A list of `sessions` targets of one kind.
struct sqlu_media_list {
    char media_type;
    char filler[3];
    sqlint32 sessions;
    sqlu_media_list_targets target;
};
DB2_PIN_SIZE_BY_MODEL(sqlu_media_list, 12, 16);
DB2_PIN_OFFSET(sqlu_media_list, sessions, 4);
DB2_PIN_OFFSET(sqlu_media_list, target, 8);

// A counted string with a 16-bit length (action strings, file type modifiers). A block is
// offsetof(sqlchar, data) + length bytes; data need not be terminated.
struct sqlchar {
    short length;
    char data[1];
};
DB2_PIN_SIZE(sqlchar, 4);
DB2_PIN_OFFSET(sqlchar, data, 2);

// A counted string with a 32-bit length (export's SELECT statement).
struct sqllob {
    sqluint32 length;
    char data[1];
};
DB2_PIN_SIZE(sqllob, 8);
DB2_PIN_OFFSET(sqllob, data, 4);

// A text buffer of the newer APIs: iLength bytes at pioData in, oLength bytes written out.
struct db2Char {
    char* pioData;
    db2Uint32 iLength;
    db2Uint32 oLength;
};
DB2_PIN_SIZE_BY_MODEL(db2Char, 12, 16);
DB2_PIN_OFFSET_BY_MODEL(db2Char, iLength, 4, 8);
DB2_PIN_OFFSET_BY_MODEL(db2Char, oLength, 8, 12);

// Partition numbers (SQL_PDB_NODE_TYPE, 16-bit) for the load utilities.
struct db2LoadNodeList {
    SQL_PDB_NODE_TYPE* piNodeList;
    db2Uint16 iNumNodes;
};
DB2_PIN_SIZE_BY_MODEL(db2LoadNodeList, 8, 16);
DB2_PIN_OFFSET_BY_MODEL(db2LoadNodeList, iNumNodes, 4, 8);

// The highest database partition number DB2 accepts.
constexpr SQL_PDB_NODE_TYPE SQL_PDB_MAX_NODE_NUMBER = 999;
