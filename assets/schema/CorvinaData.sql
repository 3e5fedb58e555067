-- Table Task: every column but id holds text; a new row is active (stype '0').
-- Stored as UTF-16 so the program's texts are read without a conversion per field.
PRAGMA encoding = 'UTF-16le';
CREATE TABLE Task (
  id           INTEGER PRIMARY KEY AUTOINCREMENT,
  tasktype     TEXT,
  taskname     TEXT,
  taskmemo     TEXT,
  taskdate     TEXT,
  tasktime     TEXT,
  tasktimetype TEXT,
  xhtype       TEXT,
  tasktemptime TEXT,
  stype        TEXT DEFAULT '0',
  Exetype      TEXT
);
-- The active list and the tabs read by state (and kind), newest first.
CREATE INDEX TaskState ON Task (stype);
CREATE INDEX TaskStateKind ON Task (stype, tasktype);
