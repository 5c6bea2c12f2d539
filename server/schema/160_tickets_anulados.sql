-- The annulled tickets of a day, without reading every ticket of that day:
-- the live monitor leaves their plays out on every poll. Few tickets are
-- annulled, so the index stays small; it holds their keys, so the monitor
-- need not read the tickets themselves.
CREATE INDEX tickets_anulados ON tickets (fechaticket) INCLUDE (codvendedor, nroticket)
  WHERE anulado = 'S';
