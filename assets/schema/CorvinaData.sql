-- Table Task: every column but id holds text; a new row is active (stype '0').
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
CREATE INDEX TaskState ON Task (stype, tasktype);
