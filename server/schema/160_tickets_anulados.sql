-- The annulled tickets of a day, without reading every ticket of that day:
-- the live monitor leaves their plays out on every poll. Few tickets are
-- annulled, so the index stays small.
CREATE INDEX tickets_anulados ON tickets (fechaticket) WHERE anulado = 'S';
