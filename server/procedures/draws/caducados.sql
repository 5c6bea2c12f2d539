-- The expired tickets of a period (hcaduca): the prizes nobody collected in
-- time. Expiry is ticket_caducado() (pagos.sql), the same boundary at which
-- payment answers 7.

-- hcaduca mode, from, to, seller: mode "1" (the only one) lists every
-- ticket sold from `fechad` to `fechah` (both included, "dd/mm/yyyy") that
-- is expired on the server date: active (not annulled), prized, not paid,
-- and past its seller's diascaduca. Annulled tickets, paid tickets and
-- tickets without a prize never expire: there is nothing left to collect.
-- `vendedor` is a seller code (trimmed), or "*****" for every seller; an
-- empty code names no seller and lists nothing. A start after the end lists
-- nothing. Columns by position: ticket, sale-point user, date, hour, sale
-- amount, prize; by date, seller and ticket. An unknown mode or a date that
-- is not one is an error.
CREATE FUNCTION hcaduca(xmodo varchar, fechad varchar, fechah varchar, vendedor varchar)
RETURNS TABLE (nroticket varchar, usuario varchar, fechaticket date, horaticket time(0),
               montoticket numeric, montopremio numeric)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  desde date;
  hasta date;
  quien text := btrim(coalesce(vendedor, ''));
  hoy date := reloj_servidor()::date;
BEGIN
  IF xmodo IS DISTINCT FROM '1' THEN
    RAISE EXCEPTION 'hcaduca: modo desconocido "%"', xmodo;
  END IF;
  desde := lee_fecha(fechad, 'fecha desde');
  hasta := lee_fecha(fechah, 'fecha hasta');
  RETURN QUERY
    SELECT k.nroticket, k.usuario, k.fechaticket, k.horaticket, k.montoticket, k.montopremio
      FROM tickets k
      JOIN vendedor v ON v.codvendedor = k.codvendedor
     WHERE k.fechaticket BETWEEN desde AND hasta
       AND (quien = '*****' OR k.codvendedor = quien)
       AND k.anulado = 'N' AND k.pagado = 'N' AND k.montopremio > 0
       AND ticket_caducado(k.fechaticket, v.diascaduca, hoy)
     ORDER BY k.fechaticket, k.codvendedor, k.nroticket;
END $$;
