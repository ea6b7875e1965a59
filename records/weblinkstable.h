#pragma once
// The Web links table (store W_LINK, prefix WEB): named web addresses.

#include "records/catalogrecords.h"
#include "records/recordtable.h"

enum class WebLinkKey { KeyRecordNumber, KeyWeb, KeyName };

class WebLinksTable : public RecordTable<WebLinkRecord, WebLinkKey>
{
public:
    using Key = WebLinkKey;
    static const TableDef &definition();
    static const std::vector<FieldBinding<WebLinkRecord>> &fields();
    explicit WebLinksTable(const QString &dataFolder);
};
