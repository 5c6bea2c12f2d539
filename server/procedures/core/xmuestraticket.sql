-- xmuestraTICKET: the plays of one ticket for the report viewer's ticket
-- look-up (mode "2", the only one): one row per play, with the ticket's
-- user, date, time and state on every row. The plays of one lottery come
-- together (lotteries in the order they were sold), the normal plays ("1")
-- before the special plays ("2"), each kind in the order of the ticket.
--
-- xfecha is the sale date "dd/mm/yyyy" (read by lee_fecha: any other text
-- is an error); xcodigo_vend the seller, or "" or "*****" for any seller
-- (when several sellers sold that number that day, the ticket of the lowest
-- seller code is shown); xnroticket the number as stored. No ticket: no rows.
CREATE FUNCTION xmuestraTICKET(xfecha varchar, xcodigo_vend varchar, xnroticket varchar,
                               xmodo varchar)
RETURNS TABLE (usuario varchar, fechaticket date, Hora_venta time(0), statust varchar,
               COD_LOT varchar, Tipo_jugada varchar, Num_normal varchar,
               Monto_Normal numeric, Montoespecial numeric, jugada varchar)
LANGUAGE plpgsql STABLE AS $$
#variable_conflict use_column
DECLARE
  fecha date;
  cualquiera boolean := coalesce(btrim(xcodigo_vend), '') IN ('', '*****');
BEGIN
  IF xmodo IS DISTINCT FROM '2' THEN
    RAISE EXCEPTION 'xmuestraTICKET: modo desconocido "%"', xmodo;
  END IF;
  fecha := lee_fecha(xfecha);

  RETURN QUERY
  WITH ticket AS (
    SELECT t.codvendedor, t.nroticket, t.usuario, t.fechaticket, t.horaticket, t.estadoticket
      FROM tickets t
     WHERE t.fechaticket = fecha
       AND t.nroticket = xnroticket
       AND (cualquiera OR t.codvendedor = xcodigo_vend)
     ORDER BY t.codvendedor
     LIMIT 1
  )
  SELECT k.usuario, k.fechaticket, k.horaticket, k.estadoticket,
         j.cod_lot, j.tipo_jugada, j.numero,
         CASE WHEN j.tipo_jugada = '1' THEN j.monto END,
         CASE WHEN j.tipo_jugada = '2' THEN j.monto END,
         j.jugada
    FROM ticket k
    JOIN jugadasticket j ON j.codvendedor = k.codvendedor AND j.nroticket = k.nroticket
   ORDER BY min(j.linea) OVER (PARTITION BY j.cod_lot), j.tipo_jugada, j.linea;
END
$$;
