#pragma once

namespace orvex {

class Database;

// Brings a database made by an older version up to the current tables and columns (the menu, visit
// and finance rights of users, the treatment plan table, the patient's position). Network clients
// never alter the database. Throws DbError when a statement fails; the connection stays open.
void UpgradeSchema(Database& db);

}  // namespace orvex
