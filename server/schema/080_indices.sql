-- Indexes the ticket look-up, deletes of catalogue rows and the daily
-- processing need.

-- A ticket by date and number, whoever sold it (the ticket look-up for any
-- seller).
CREATE INDEX tickets_fecha_numero ON tickets (fechaticket, nroticket);

-- The references of the daily results: deleting a board, operator or
-- municipality checks saldosdias without walking it.
CREATE INDEX saldosdias_junta ON saldosdias (codigo_junta);
CREATE INDEX saldosdias_operadora ON saldosdias (codigo_operadora);
CREATE INDEX saldosdias_alcaldia ON saldosdias (codigo_alcaldia, codigo_gobernacion);

-- The plays of one day over every lottery (daily reports, prizes, taxes).
CREATE INDEX jugadasticket_fecha ON jugadasticket (fechaticket);
