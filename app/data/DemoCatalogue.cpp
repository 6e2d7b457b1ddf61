#include "data/DemoCatalogue.h"

namespace pellam::data::demo {

const QList<HeadKind>& headKinds()
{
    static const QList<HeadKind> kinds = {
        {"DON", "DONATIONS", true, 100, 100000, "Donation received from %p"},
        {"FEE", "FEES COLLECTED", true, 500, 25000, "Fees for %m from %p"},
        {"GRT", "GOVERNMENT GRANT", true, 50000, 500000, "Grant instalment for %m"},
        {"INT", "INTEREST ON DEPOSITS", true, 1000, 40000, "Interest credited for %m"},
        {"RNT", "RENT RECEIVED", true, 2000, 30000, "Rent for %m from %p"},
        {"SUB", "SUBSCRIPTIONS", true, 100, 5000, "Subscription from %p"},
        {"OFF", "OFFERTORY COLLECTION", true, 200, 20000, "Offertory collection, %m"},
        {"SAL", "SALARY", false, 8000, 60000, "Salary for %m to %p"},
        {"ELE", "ELECTRICITY CHARGES", false, 500, 20000, "Electricity bill for %m"},
        {"WAT", "WATER CHARGES", false, 200, 5000, "Water charges for %m"},
        {"TEL", "TELEPHONE CHARGES", false, 300, 4000, "Telephone bill for %m"},
        {"STA", "STATIONERY", false, 100, 5000, "Stationery bought, %m"},
        {"PRN", "PRINTING", false, 500, 10000, "Printing of forms and receipts"},
        {"POS", "POSTAGE", false, 20, 1000, "Postage and courier"},
        {"TRV", "TRAVELLING EXPENSES", false, 200, 8000, "Travel of %p"},
        {"REP", "REPAIRS AND MAINTENANCE", false, 500, 50000, "Repairs done by %p"},
        {"MED", "MEDICINES", false, 500, 40000, "Medicines bought, %m"},
        {"FOD", "FOOD PROVISIONS", false, 1000, 30000, "Provisions for %m"},
        {"BNK", "BANK CHARGES", false, 10, 500, "Bank charges for %m"},
        {"AUD", "AUDIT FEES", false, 5000, 25000, "Audit fees paid to %p"},
        {"FUE", "FUEL", false, 500, 6000, "Diesel for the vehicle, %m"},
        {"VEH", "VEHICLE MAINTENANCE", false, 1000, 30000, "Vehicle service, %m"},
        {"BKS", "BOOKS AND PERIODICALS", false, 100, 8000, "Books and periodicals, %m"},
        {"SCH", "SCHOLARSHIPS", false, 1000, 20000, "Scholarship to %p"},
        {"CHA", "CHARITY TO THE POOR", false, 100, 10000, "Help given to %p"},
        {"LAB", "LABORATORY EXPENSES", false, 200, 15000, "Laboratory chemicals, %m"},
        {"FUR", "FURNITURE", false, 2000, 80000, "Furniture from %p"},
        {"INS", "INSURANCE", false, 3000, 40000, "Insurance premium"},
        {"TAX", "PROPERTY TAX", false, 1000, 30000, "Property tax for the half year"},
        {"CLN", "CLEANING EXPENSES", false, 100, 3000, "Cleaning materials, %m"},
        {"GDN", "GARDEN EXPENSES", false, 100, 4000, "Garden work by %p"},
    };
    return kinds;
}

const QList<InstitutionKind>& institutionKinds()
{
    static const QList<InstitutionKind> kinds = {
        {"ST. MARY'S HIGH SCHOOL", "ARAVURAM", "ARAVURAM SOUTH", "680100"},
        {"MERCY DISPENSARY", "KODAKARA", "KODAKARA", "680684"},
        {"SACRED HEART ORPHANAGE", "MALA", "MALA", "680732"},
        {"ST. JOSEPH'S TECHNICAL INSTITUTE", "CHALAKUDY", "CHALAKUDY", "680307"},
        {"HOLY FAMILY OLD AGE HOME", "IRINJALAKUDA", "IRINJALAKUDA NORTH", "680125"},
        {"CARMEL CONVENT", "OLLUR", "OLLUR", "680306"},
        {"STELLA MARIS HOSTEL", "KORATTY", "KORATTY EAST", "680308"},
        {"PUBLIC LIBRARY", "AMBALLUR", "AMBALLUR", "680302"},
    };
    return kinds;
}

const QList<const char*>& people()
{
    static const QList<const char*> names = {
        "JOSEPH K.A.",   "MARY THOMAS",  "P.R. MENON",      "FATHIMA BEEVI",   "ANIL KUMAR",
        "LATHA NAIR",    "GEORGE VARGHESE", "SUSAN MATHEW", "ABDUL RASHEED",   "SREEDEVI K.",
        "T.V. RAMAN",    "ANNIE PAUL",   "RAJAN PILLAI",    "LEELAMMA JOHN",   "MOHAMMED ALI",
    };
    return names;
}

} // namespace pellam::data::demo
