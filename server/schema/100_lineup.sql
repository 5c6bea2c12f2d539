-- The document numbers of the daily instalments the line-up of a future
-- date collects ("CD" and eight figures).
CREATE SEQUENCE cuotadiaria_nro;
