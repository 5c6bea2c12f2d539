-- Settings of the house database that every procedure relies on.
-- The server's clock is the program's clock. Tests pin it per database or
-- session with the setting duroz.reloj_prueba (a timestamp text); the
-- product never sets it, so the real clock is used.
COMMENT ON SCHEMA public IS 'Tables of the house database; server procedures live in schema proc';
