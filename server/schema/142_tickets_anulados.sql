-- The annulled tickets, one in a hundred: the reports that sum the plays of
-- active tickets look a play's ticket up here (is it annulled?) instead of
-- in the whole tickets table. Sales of active tickets are not written to
-- it.
CREATE INDEX tickets_anulados_clave ON tickets (codvendedor, nroticket) WHERE estadoticket = 'ELI';
