-- The database of a dental surgery. Text columns compare with NOCASE, which the program replaces
-- on its own connection by a Ukrainian-aware version; no index is built over a text column, so the
-- file stays consistent for any other SQLite tool that opens it.
-- Dates and times are REAL day numbers since 30 Dec 1899; truth values are 0/1; money is REAL.

CREATE TABLE pac (
    pid INTEGER PRIMARY KEY,
    pname VARCHAR(100) COLLATE NOCASE,
    uid INTEGER,
    regdat DATETIME,
    arch INTEGER DEFAULT 0,
    birth DATETIME,
    sex INTEGER,
    selo BIT DEFAULT 0,
    adres VARCHAR(255) COLLATE NOCASE,
    tel VARCHAR(50) COLLATE NOCASE,
    posada VARCHAR(70) COLLATE NOCASE,
    notes VARCHAR(50) COLLATE NOCASE,
    photo VARCHAR(255) COLLATE NOCASE,
    formula VARCHAR(255) COLLATE NOCASE,
    fordat DATETIME,
    skargy VARCHAR(255) COLLATE NOCASE,
    diagnoz VARCHAR(255) COLLATE NOCASE,
    zahvorlast VARCHAR(255) COLLATE NOCASE,
    zahvornow VARCHAR(255) COLLATE NOCASE,
    zubstate VARCHAR(255) COLLATE NOCASE,
    prykus VARCHAR(255) COLLATE NOCASE,
    girma VARCHAR(255) COLLATE NOCASE,
    rentgen VARCHAR(255) COLLATE NOCASE,
    vita VARCHAR(50) COLLATE NOCASE,
    navch VARCHAR(50) COLLATE NOCASE,
    gigien VARCHAR(50) COLLATE NOCASE
);
CREATE INDEX pac_uid ON pac (uid);

CREATE TABLE vidv (
    vid INTEGER PRIMARY KEY AUTOINCREMENT,
    pid INTEGER,
    vdate DATETIME,
    vtime DATETIME,
    perv BIT DEFAULT 0,
    skargy TEXT COLLATE NOCASE,
    anamnez TEXT COLLATE NOCASE,
    diag TEXT COLLATE NOCASE,
    likuv TEXT COLLATE NOCASE,
    sum CURRENCY DEFAULT 0
);
CREATE INDEX vidv_pid ON vidv (pid);
CREATE INDEX vidv_vdate ON vidv (vdate);

CREATE TABLE zvit (
    zid INTEGER PRIMARY KEY AUTOINCREMENT,
    vid INTEGER,
    fid INTEGER,
    cnt DOUBLE
);
CREATE INDEX zvit_vid ON zvit (vid);

CREATE TABLE f39 (
    id INTEGER PRIMARY KEY,
    name VARCHAR(255) COLLATE NOCASE,
    forma VARCHAR(50) COLLATE NOCASE
);

CREATE TABLE napr (
    nid INTEGER PRIMARY KEY AUTOINCREMENT,
    npid INTEGER,
    nuid INTEGER,
    ndid INTEGER,
    regdat DATETIME,
    ond DATETIME,
    ont DATETIME
);
CREATE INDEX napr_ond ON napr (ond);
CREATE INDEX napr_npid ON napr (npid);

CREATE TABLE nagad (
    nagid INTEGER PRIMARY KEY AUTOINCREMENT,
    pid INTEGER DEFAULT 0,
    txt VARCHAR(255) COLLATE NOCASE,
    dat DATETIME,
    done BIT DEFAULT 0,
    uid INTEGER
);
CREATE INDEX nagad_dat ON nagad (dat);

CREATE TABLE plan (
    plid INTEGER PRIMARY KEY AUTOINCREMENT,
    dat DATETIME NOT NULL,
    pid INTEGER NOT NULL,
    typ VARCHAR(20) COLLATE NOCASE,
    ptext VARCHAR(200) COLLATE NOCASE
);
CREATE INDEX pidindex ON plan (pid);

CREATE TABLE photos (
    photoid INTEGER PRIMARY KEY AUTOINCREMENT,
    pid INTEGER,
    photo VARCHAR(255) COLLATE NOCASE,
    descript VARCHAR(255) COLLATE NOCASE,
    dat DATETIME
);
CREATE INDEX photos_pid ON photos (pid);

CREATE TABLE payments (
    payid INTEGER PRIMARY KEY AUTOINCREMENT,
    pid INTEGER,
    pcnt CURRENCY DEFAULT 0,
    znyzhka CURRENCY DEFAULT 0,
    pdat DATETIME
);
CREATE INDEX payments_pid ON payments (pid);
CREATE INDEX payments_pdat ON payments (pdat);

CREATE TABLE users (
    uid INTEGER PRIMARY KEY AUTOINCREMENT,
    uname VARCHAR(50) COLLATE NOCASE,
    upass VARCHAR(50) COLLATE NOCASE,
    rid INTEGER,
    birth DATETIME,
    info TEXT COLLATE NOCASE,
    allreg BIT DEFAULT 0,
    ctrlviz BIT DEFAULT 0,
    rep BIT DEFAULT 0,
    medit BIT NOT NULL DEFAULT 0,
    vedit BIT NOT NULL DEFAULT 0,
    pvis BIT NOT NULL DEFAULT 1
);

CREATE TABLE rooms (
    rid INTEGER PRIMARY KEY,
    rname VARCHAR(50) COLLATE NOCASE
);

CREATE TABLE groups (
    gid INTEGER PRIMARY KEY,
    gname VARCHAR(50) COLLATE NOCASE
);

CREATE TABLE dov (
    zid INTEGER PRIMARY KEY AUTOINCREMENT,
    name VARCHAR(100) COLLATE NOCASE,
    teldom VARCHAR(50) COLLATE NOCASE,
    telmob VARCHAR(50) COLLATE NOCASE,
    fax VARCHAR(50) COLLATE NOCASE,
    adress VARCHAR(255) COLLATE NOCASE,
    email VARCHAR(100) COLLATE NOCASE,
    web VARCHAR(100) COLLATE NOCASE,
    info TEXT COLLATE NOCASE,
    firma BIT DEFAULT 0
);

CREATE TABLE opt (
    cn INTEGER
);
