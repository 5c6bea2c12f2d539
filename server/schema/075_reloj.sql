-- The server clock pinned by a test: one row, written only by the owner role
-- (the program's login role has no right on it), so no session of the
-- program can move the date that prizes, payments and expiry read. No row:
-- the real clock.
CREATE TABLE relojprueba (
  id      smallint     PRIMARY KEY DEFAULT 1 CHECK (id = 1),
  momento timestamp(0) NOT NULL
);
