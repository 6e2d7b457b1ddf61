#pragma once

#include <QList>
#include <QString>

namespace pellam::data::demo {

// Names that sample books are made of: what a trust's books really hold.

struct HeadKind {
    const char* code;
    const char* name;
    bool receipt;           // money comes in under this head
    int minRupees, maxRupees;
    const char* narration;  // %p a person, %m the voucher's month
};

struct InstitutionKind {
    const char* name;
    const char* place;
    const char* post;
    const char* pinCode;
};

const QList<HeadKind>& headKinds();
const QList<InstitutionKind>& institutionKinds();
const QList<const char*>& people();

} // namespace pellam::data::demo
