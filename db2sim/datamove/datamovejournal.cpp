#include "db2sim/datamove/datamovejournal.h"

#include <cstring>

namespace db2sim {
namespace {

using J = DatamoveJournal;

std::string text(const char* value) {
    return value == nullptr ? "null" : J::quoted(value, std::strlen(value));
}

template <class T>
std::string number(const T* value) {
    return value == nullptr ? "null" : std::to_string(*value);
}

std::string db2Text(const db2Char* value) {
    if (value == nullptr) {
        return "null";
    }
    return value->pioData == nullptr ? "\"\"" : J::quoted(value->pioData, value->iLength);
}

std::string nodeList(const db2LoadNodeList* list) {
    if (list == nullptr) {
        return "null";
    }
    std::string out = "[";
    for (int i = 0; list->piNodeList != nullptr && i < list->iNumNodes; ++i) {
        if (i == J::kMaxShown) {
            out += ",...";
            break;
        }
        out += (i > 0 ? "," : "") + std::to_string(list->piNodeList[i]);
    }
    return out + "]";
}

// The entries of a media list of `sessions` targets.
std::string targets(const sqlu_media_list& list) {
    std::string out = " [";
    int count = list.sessions < J::kMaxShown ? list.sessions : J::kMaxShown;
    for (int i = 0; i < count; ++i) {
        out += i > 0 ? "," : "";
        if (list.media_type == SQLU_LOCAL_MEDIA) {
            out += J::field(list.target.media[i].media_entry, SQLU_DB_DIR_LEN + 1);
        } else {
            out += J::field(list.target.location[i].location_entry, SQLU_MEDIA_LOCATION_LEN + 1);
        }
    }
    return out + (list.sessions > count ? ",...]" : "]");
}

}  // namespace

std::string DatamoveJournal::quoted(const char* value, size_t length) {
    std::string out = "\"";
    for (size_t i = 0; i < length; ++i) {
        out += value[i] == '"' || value[i] == '\\' ? "\\" : "";
        out += value[i];
    }
    return out + "\"";
}

std::string DatamoveJournal::field(const char* value, size_t width) {
    const void* nul = std::memchr(value, '\0', width);
    size_t length = nul == nullptr ? width : static_cast<const char*>(nul) - value;
    return quoted(value, length);
}

std::string DatamoveJournal::mediaList(const sqlu_media_list* list) {
    if (list == nullptr) {
        return "null";
    }
    std::string out = std::string("{media_type='") + list->media_type +
                      "' sessions=" + std::to_string(list->sessions);
    switch (list->media_type) {
        case SQLU_LOCAL_MEDIA:
        case SQLU_SERVER_LOCATION:
        case SQLU_CLIENT_LOCATION:
            if (list->target.media != nullptr) {
                out += targets(*list);
            }
            break;
        case SQLU_SQL_STMT:
            if (list->target.pStatement != nullptr) {
                const sqlu_statement_entry& entry = *list->target.pStatement;
                out += " length=" + std::to_string(entry.length) + " statement=" +
                       (entry.pEntry == nullptr ? "null" : quoted(entry.pEntry, entry.length));
            }
            break;
        case SQLU_OTHER_MEDIA:
            if (list->target.vendor != nullptr) {
                out += " shr_lib=" + field(list->target.vendor->shr_lib, SQLU_SHR_LIB_LEN + 1) +
                       " filename=" + field(list->target.vendor->filename, SQLU_SHR_LIB_LEN + 1);
            }
            break;
        default:
            break;
    }
    return out + "}";
}

std::string DatamoveJournal::descriptor(const sqldcol* d) {
    if (d == nullptr) {
        return "null";
    }
    std::string out = std::string("{dcolmeth='") + static_cast<char>(d->dcolmeth) +
                      "' dcolnum=" + std::to_string(d->dcolnum) + " [";
    int count = d->dcolnum < kMaxShown ? d->dcolnum : kMaxShown;
    if (d->dcolmeth == SQL_METH_L) {
        const auto* table = reinterpret_cast<const sqlloctab*>(d->dcolname[0].dcolnptr);
        for (int i = 0; table != nullptr && i < count; ++i) {
            out += (i > 0 ? ",(" : "(") + std::to_string(table->locpair[i].begin_loc) + "," +
                   std::to_string(table->locpair[i].end_loc) + ")";
        }
    } else if (d->dcolmeth == SQL_METH_N || d->dcolmeth == SQL_METH_P) {
        for (int i = 0; i < count; ++i) {
            const sqldcoln& entry = d->dcolname[i];
            bool name =
                d->dcolmeth == SQL_METH_N && entry.dcolnptr != nullptr && entry.dcolnlen >= 0;
            out += (i > 0 ? "," : "") +
                   (name ? quoted(entry.dcolnptr, static_cast<size_t>(entry.dcolnlen))
                         : std::to_string(entry.dcolnlen));
        }
    }
    return out + (d->dcolnum > count ? ",...]}" : "]}");
}

std::string DatamoveJournal::counted(const sqlchar* value) {
    if (value == nullptr) {
        return "null";
    }
    if (value->length < 0) {
        return "{length=" + std::to_string(value->length) + "}";
    }
    return quoted(value->data, static_cast<size_t>(value->length));
}

std::string DatamoveJournal::counted(const sqllob* value) {
    return value == nullptr ? "null" : quoted(value->data, value->length);
}

std::string DatamoveJournal::nullIndicators(const db2int32* indicators, const sqldcol* d) {
    if (indicators == nullptr) {
        return "null";
    }
    // DB2 reads one per column of the descriptor; without one there is nothing it reads.
    int count = d == nullptr || d->dcolnum <= 0 ? 0
                : d->dcolnum < kMaxShown        ? d->dcolnum
                                                : kMaxShown;
    std::string out = "[";
    for (int i = 0; i < count; ++i) {
        out += (i > 0 ? "," : "") + std::to_string(indicators[i]);
    }
    return out + (d != nullptr && d->dcolnum > count ? ",...]" : "]");
}

std::string DatamoveJournal::xmlValidate(const db2DMUXmlValidate* v) {
    if (v == nullptr) {
        return "null";
    }
    std::string out = "{iUsing=" + std::to_string(v->iUsing);
    if (v->iUsing == DB2DMU_XMLVAL_XDS && v->piXdsArgs != nullptr) {
        const db2DMUXmlValidateXds& xds = *v->piXdsArgs;
        out += " default=" + db2Text(xds.piDefaultSchema) + " ignore=[";
        for (db2Uint32 i = 0; xds.piIgnoreSchemas != nullptr && i < xds.iNumIgnoreSchemas &&
                              i < static_cast<db2Uint32>(kMaxShown);
             ++i) {
            out += (i > 0 ? "," : "") + db2Text(&xds.piIgnoreSchemas[i]);
        }
        out += "] map=[";
        for (db2Uint32 i = 0; xds.piMapSchemas != nullptr && i < xds.iNumMapSchemas &&
                              i < static_cast<db2Uint32>(kMaxShown);
             ++i) {
            out += (i > 0 ? ",(" : "(") + db2Text(&xds.piMapSchemas[i].iMapFromSchema) + "," +
                   db2Text(&xds.piMapSchemas[i].iMapToSchema) + ")";
        }
        out += "]";
    } else if (v->iUsing == DB2DMU_XMLVAL_SCHEMA && v->piSchemaArgs != nullptr) {
        out += " schema=" + db2Text(v->piSchemaArgs->piSchema);
    }
    return out + "}";
}

std::string DatamoveJournal::importIn(const db2ImportIn* in) {
    if (in == nullptr) {
        return "null";
    }
    return "{iRowcount=" + std::to_string(in->iRowcount) +
           " iRestartcount=" + std::to_string(in->iRestartcount) +
           " iSkipcount=" + std::to_string(in->iSkipcount) +
           " *piCommitcount=" + number(in->piCommitcount) +
           " iWarningcount=" + std::to_string(in->iWarningcount) +
           " iNoTimeout=" + std::to_string(in->iNoTimeout) +
           " iAccessLevel=" + std::to_string(in->iAccessLevel) +
           " *piXmlParse=" + number(in->piXmlParse) +
           " piXmlValidate=" + xmlValidate(in->piXmlValidate) + "}";
}

std::string DatamoveJournal::exportIn(const db2ExportIn* in) {
    return in == nullptr ? "null" : "{*piXmlSaveSchema=" + number(in->piXmlSaveSchema) + "}";
}

std::string DatamoveJournal::loadIn(const db2LoadIn* in) {
    if (in == nullptr) {
        return "null";
    }
    std::string out = "{iRowcount=" + std::to_string(in->iRowcount) +
                      " iRestartcount=" + std::to_string(in->iRestartcount) +
                      " piUseTablespace=" + text(in->piUseTablespace) +
                      " iSavecount=" + std::to_string(in->iSavecount) +
                      " iDataBufferSize=" + std::to_string(in->iDataBufferSize) +
                      " iSortBufferSize=" + std::to_string(in->iSortBufferSize) +
                      " iWarningcount=" + std::to_string(in->iWarningcount) +
                      " iHoldQuiesce=" + std::to_string(in->iHoldQuiesce) +
                      " iCpuParallelism=" + std::to_string(in->iCpuParallelism) +
                      " iDiskParallelism=" + std::to_string(in->iDiskParallelism) +
                      " iNonrecoverable=" + std::to_string(in->iNonrecoverable) +
                      " iIndexingMode=" + std::to_string(in->iIndexingMode) +
                      " iAccessLevel=" + std::to_string(in->iAccessLevel) +
                      " iLockWithForce=" + std::to_string(in->iLockWithForce) +
                      " iCheckPending=" + std::to_string(in->iCheckPending) + " iRestartphase='" +
                      in->iRestartphase + "' iStatsOpt='" + in->iStatsOpt +
                      "' iSetIntegrityPending=" + std::to_string(in->iSetIntegrityPending) +
                      " piSourceUserExit=";
    const db2LoadUserExit* exit = in->piSourceUserExit;
    if (exit == nullptr) {
        return out + "null}";
    }
    return out + "{cmd=" + db2Text(&exit->iSourceUserExitCmd) +
           " input=" + db2Text(exit->piInputStream) +
           " inputFile=" + db2Text(exit->piInputFileName) +
           " outputFile=" + db2Text(exit->piOutputFileName) +
           " *piEnableParallelism=" + number(exit->piEnableParallelism) + "}}";
}

std::string DatamoveJournal::partLoadIn(const db2PartLoadIn* in) {
    if (in == nullptr) {
        return "null";
    }
    std::string range = in->piPortRange == nullptr
                            ? "null"
                            : std::to_string(in->piPortRange->iPortMin) + ":" +
                                  std::to_string(in->piPortRange->iPortMax);
    return "{piHostname=" + text(in->piHostname) +
           " piFileTransferCmd=" + text(in->piFileTransferCmd) +
           " piPartFileLocation=" + text(in->piPartFileLocation) +
           " piOutputNodes=" + nodeList(in->piOutputNodes) +
           " piPartitioningNodes=" + nodeList(in->piPartitioningNodes) +
           " *piMode=" + number(in->piMode) +
           " *piMaxNumPartAgents=" + number(in->piMaxNumPartAgents) +
           " *piIsolatePartErrs=" + number(in->piIsolatePartErrs) +
           " *piStatusInterval=" + number(in->piStatusInterval) + " piPortRange=" + range +
           " *piCheckTruncation=" + number(in->piCheckTruncation) +
           " piMapFileInput=" + text(in->piMapFileInput) +
           " piMapFileOutput=" + text(in->piMapFileOutput) + " *piTrace=" + number(in->piTrace) +
           " *piNewline=" + number(in->piNewline) + " piDistfile=" + text(in->piDistfile) +
           " *piOmitHeader=" + number(in->piOmitHeader) +
           " *piRunStatDBPartNum=" + number(in->piRunStatDBPartNum) + "}";
}

std::string DatamoveJournal::loadQuery(const db2LoadQueryStruct& q) {
    return "{iStringType=" + std::to_string(q.iStringType) + " piString=" + text(q.piString) +
           " iShowLoadMessages=" + std::to_string(q.iShowLoadMessages) +
           " piLocalMessageFile=" + text(q.piLocalMessageFile) + "}";
}

}  // namespace db2sim
