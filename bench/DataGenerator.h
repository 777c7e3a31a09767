#pragma once

#include <QString>

namespace orvex {

class Database;

// How much a generated practice holds.
struct PracticeSize {
    int patients = 50000;
    int doctors = 5;
    int visitsPerPatient = 3;
    int itemsPerVisit = 2;  // report items (zvit) of each visit
    int appointmentsPerPatient = 1;
    int paymentsPerPatient = 1;
};

// Copies the shipped database to `target` (replacing it) and fills the copy with a practice of the
// given size: doctors, patients with realistic Ukrainian names of both sexes, their visits, report
// items, appointments and payments. The same seed gives the same data. Throws Error on failure.
void GeneratePractice(const QString& shippedDatabase, const QString& target, const PracticeSize& size,
                      unsigned seed = 1);

// Fills an open database (one transaction, prepared inserts). Patient numbers follow opt.cn, which
// is advanced past them.
void FillPractice(Database& db, const PracticeSize& size, unsigned seed = 1);

}  // namespace orvex
