#pragma once
// Rows of the three catalogue tables: kits/recipes (BRANDS4), shopping list
// (SHOPPING) and web links (W_LINK).

#include "platform/decimal.h"
#include "platform/tabledef.h"

#include <QString>
#include <cstdint>

struct KitRecord // prefix BRW
{
    double RECORDNUMBER = 0; // whole numbers only
    QString NAMEOFBREW; // STRING(45)
    StoredRow stored; // the row as stored, when a value did not fit its member

    friend bool operator==(const KitRecord &, const KitRecord &) = default;
};

struct ShoppingRecord // prefix SHO
{
    std::int32_t RECORDNUMBER = 0;
    QString ITEM; // STRING(45)
    QString SIZE; // STRING(25)
    Decimal QTY; // DECIMAL(5,2)
    Decimal PRICE; // DECIMAL(7,2)
    Decimal AMOUNT; // DECIMAL(7,2)
    StoredRow stored; // the row as stored, when a value did not fit its member

    friend bool operator==(const ShoppingRecord &, const ShoppingRecord &) = default;
};

struct WebLinkRecord // prefix WEB
{
    std::int32_t RECORDNUMBER = 0;
    QString WEBADDRESS; // STRING(80)
    QString NAMECOMMENT; // STRING(45)
    StoredRow stored; // the row as stored, when a value did not fit its member

    friend bool operator==(const WebLinkRecord &, const WebLinkRecord &) = default;
};
