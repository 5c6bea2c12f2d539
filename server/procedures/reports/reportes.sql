-- The report windows' procedures: administrative movements (rptmov), lists
-- (rptlistas), prizes per number (reportepremionumero), the point-of-sale
-- ticket list and totals (rptptovta, rpttaquillatotales) and the active
-- connections (RPTCONEX). The writers read their columns by position: the
-- order of each RETURNS TABLE is the contract.

-- A seller argument of a report: trimmed; empty means every seller.
CREATE FUNCTION vendedor_reporte(xvendedor varchar) RETURNS text
LANGUAGE sql IMMUTABLE AS $$
  SELECT btrim(coalesce(xvendedor, ''))
$$;

-- rptmov '0', from, to, seller, type: the money movements of the dates.
-- The seller is a group chief (or a seller of no group): his movements and
-- those of the sellers of his group; empty, every seller. The type is the
-- movement type's first character "0"-"5"; empty, every type. Columns:
-- 0 seller, 1 nombre_vend, 2 date, 3 movement text, 4 amount, 5 number.
CREATE FUNCTION rptmov(xmodo varchar, xfechad varchar, xfechah varchar, xvendedor varchar,
                       xtipo varchar)
RETURNS TABLE (codvendedor varchar, nombre_vend varchar, fecha_mov date, descri_mov varchar,
               monto_mov numeric, nromov varchar)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  desde date := lee_fecha(xfechad, 'fecha desde');
  hasta date := lee_fecha(xfechah, 'fecha hasta');
  vend text := vendedor_reporte(xvendedor);
  tipo text := btrim(coalesce(xtipo, ''));
BEGIN
  IF xmodo IS DISTINCT FROM '0' THEN
    RAISE EXCEPTION 'rptmov: modo desconocido "%"', xmodo;
  END IF;
  IF tipo !~ '^[0-5]?$' THEN
    RAISE EXCEPTION 'rptmov: tipo de movimiento desconocido "%"', xtipo;
  END IF;
  RETURN QUERY
    SELECT m.codvendedor, v.nombre_vend, m.fecha_mov, m.descri_mov, m.monto_mov, m.nromov
    FROM movimientos m
    JOIN vendedor v ON v.codvendedor = m.codvendedor
    WHERE m.fecha_mov BETWEEN desde AND hasta
      AND (vend = '' OR m.codvendedor = vend OR v.perteneceal = vend)
      AND (tipo = '' OR left(m.descri_mov, 1) = tipo)
    ORDER BY m.codvendedor, m.fecha_mov, m.hora_mov NULLS FIRST, m.nromov;
END $$;

-- The play kinds of the lists report: "1" triples, "2" terminals, "3"
-- special terminals, "4" special triples, "5" the digit. A play is of a
-- kind by its own kind (normal "1", special "2") and its number's length.
CREATE FUNCTION jugada_de_clase(xclase text, xtipo varchar, xnumero varchar) RETURNS boolean
LANGUAGE sql IMMUTABLE AS $$
  SELECT CASE xclase
           WHEN '1' THEN xtipo = '1' AND char_length(xnumero) = 3
           WHEN '2' THEN xtipo = '1' AND char_length(xnumero) = 2
           WHEN '3' THEN xtipo = '2' AND char_length(xnumero) = 2
           WHEN '4' THEN xtipo = '2' AND char_length(xnumero) = 3
           WHEN '5' THEN xtipo = '1' AND char_length(xnumero) = 1
           ELSE false
         END
$$;

-- rptlistas date, play kind, lottery, '', '', seller: one row per number
-- (and, for special plays, per special play and detail) with the sum of its
-- plays on active tickets of that date. Empty lottery or seller: every one.
-- The sum stands in each amount column (3, 4 and 5), so every play kind
-- reads it where it looks; column 6 is the detail code of special plays.
-- A kind other than "1"-"5" has no plays. A play's ticket is active unless
-- it is annulled: the few annulled tickets are looked up by their own
-- index rather than every play's ticket.
CREATE FUNCTION rptlistas(xfecha varchar, xtipo varchar, xloteria varchar, xlibre1 varchar,
                          xlibre2 varchar, xvendedor varchar)
RETURNS TABLE (numero varchar, cod_lot varchar, tipo_jugada varchar, monto_digito numeric,
               monto numeric, monto_especial numeric, jugada varchar)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  dia date := lee_fecha(xfecha);
  clase text := btrim(coalesce(xtipo, ''));
  lot text := btrim(coalesce(xloteria, ''));
  vend text := vendedor_reporte(xvendedor);
BEGIN
  RETURN QUERY
    SELECT j.numero, min(j.cod_lot)::varchar, clase::varchar, sum(j.monto), sum(j.monto), sum(j.monto),
           coalesce(j.jugada, '')::varchar
    FROM jugadasticket j
    WHERE j.fechaticket = dia
      AND (lot = '' OR j.cod_lot = lot)
      AND (vend = '' OR j.codvendedor = vend)
      AND NOT EXISTS (SELECT FROM tickets t
                      WHERE t.codvendedor = j.codvendedor AND t.nroticket = j.nroticket
                        AND t.estadoticket = 'ELI')
      AND jugada_de_clase(clase, j.tipo_jugada, j.numero)
    GROUP BY j.numero, j.especial, j.jugada
    ORDER BY j.numero, j.especial NULLS FIRST, j.jugada NULLS FIRST;
END $$;

-- reportepremionumero lottery, number, detail, special play, date, seller:
-- per seller, the prized plays on that number of that lottery and date on
-- active tickets: 0 seller, 1 nombre_vend, 2 lottery, 3 number, 4 amount of
-- the normal plays, 5 the prizes, 6 amount of the special plays. Each play
-- counts once. A special play narrows to its plays, a detail to the plays
-- of that detail; empty seller: every seller. The lottery is required; a
-- number that no play holds gives no rows.
CREATE FUNCTION reportepremionumero(xloteria varchar, xnumero varchar, xjugada varchar,
                                    xespecial varchar, xfecha varchar, xvendedor varchar)
RETURNS TABLE (codvendedor varchar, nombre_vend varchar, cod_lot varchar, numero varchar,
               monto_normal numeric, premio numeric, monto_especial numeric)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  lot text := btrim(coalesce(xloteria, ''));
  num text := btrim(coalesce(xnumero, ''));
  det text := btrim(coalesce(xjugada, ''));
  esp text := btrim(coalesce(xespecial, ''));
  dia date := lee_fecha(xfecha);
  vend text := vendedor_reporte(xvendedor);
BEGIN
  IF lot = '' THEN
    RAISE EXCEPTION 'reportepremionumero: falta la loteria';
  END IF;
  RETURN QUERY
    SELECT j.codvendedor, v.nombre_vend, lot::varchar, num::varchar,
           coalesce(sum(j.monto) FILTER (WHERE j.tipo_jugada = '1'), 0),
           sum(j.premio),
           coalesce(sum(j.monto) FILTER (WHERE j.tipo_jugada = '2'), 0)
    FROM jugadasticket j
    JOIN tickets t ON t.codvendedor = j.codvendedor AND t.nroticket = j.nroticket
    JOIN vendedor v ON v.codvendedor = j.codvendedor
    WHERE j.cod_lot = lot AND j.fechaticket = dia AND j.numero = num
      AND j.premio > 0 AND t.estadoticket = 'ACT'
      AND (esp = '' OR j.especial = esp)
      AND (det = '' OR j.jugada = det)
      AND (vend = '' OR j.codvendedor = vend)
    GROUP BY j.codvendedor, v.nombre_vend
    ORDER BY j.codvendedor;
END $$;

-- rptptovta from, seller, state, to: one row per ticket of the dates, of
-- one seller or, with "*****", of every seller. State "0" every ticket,
-- "1" annulled, "2" to pay (prized, active, unpaid), "3" paid. Columns:
-- 0 ticket, 1 amount, 2 time "HH:MM:SS", 3 cashier, 4 state, 5 prized,
-- 6 prize (NULL: none), 7 paid, 8 seller, 9 date.
CREATE FUNCTION rptptovta(xfecha varchar, xcodigo_vend varchar, xmodo varchar, xfechah varchar)
RETURNS TABLE (nroticket varchar, montoticket numeric, horaticket text, usuario varchar,
               estadoticket varchar, premiado varchar, montopremio numeric, pagado varchar,
               codvendedor varchar, fechaticket date)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  desde date := lee_fecha(xfecha, 'fecha desde');
  hasta date := lee_fecha(xfechah, 'fecha hasta');
  vend text := vendedor_reporte(xcodigo_vend);
  modo text := btrim(coalesce(xmodo, ''));
BEGIN
  IF modo NOT IN ('0', '1', '2', '3') THEN
    RAISE EXCEPTION 'rptptovta: modo desconocido "%"', xmodo;
  END IF;
  IF vend = '' THEN
    RAISE EXCEPTION 'rptptovta: falta el vendedor';
  END IF;
  RETURN QUERY
    SELECT t.nroticket, t.montoticket, to_char(t.horaticket, 'HH24:MI:SS'), t.usuario,
           t.estadoticket, t.premiado, t.montopremio, t.pagado, t.codvendedor, t.fechaticket
    FROM tickets t
    WHERE t.fechaticket BETWEEN desde AND hasta
      AND (vend = '*****' OR t.codvendedor = vend)
      AND CASE modo
            WHEN '0' THEN true
            WHEN '1' THEN t.estadoticket = 'ELI'
            WHEN '2' THEN t.premiado = 'S' AND t.estadoticket = 'ACT' AND t.pagado = 'N'
            ELSE t.pagado = 'S'
          END
    ORDER BY t.codvendedor, t.fechaticket, t.horaticket, t.nroticket;
END $$;

-- rpttaquillatotales from, to, seller: per point of sale (a seller) the
-- sales of its active tickets of the dates: 0 the seller, code " - " name,
-- 1 the total. Empty seller (or "*****"): every seller that sold. The
-- sales are read from ventas_dia, the active tickets summed per seller and
-- day (kept by triggers on tickets), so a month reads sellers x days.
CREATE FUNCTION rpttaquillatotales(xfechad varchar, xfechah varchar, xvendedor varchar)
RETURNS TABLE (vendedor text, total_venta numeric)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  desde date := lee_fecha(xfechad, 'fecha desde');
  hasta date := lee_fecha(xfechah, 'fecha hasta');
  vend text := vendedor_reporte(xvendedor);
BEGIN
  RETURN QUERY
    SELECT d.codvendedor || ' - ' || rtrim(v.nombre_vend), sum(d.venta)
    FROM ventas_dia d
    JOIN vendedor v ON v.codvendedor = d.codvendedor
    WHERE d.fechaticket BETWEEN desde AND hasta
      AND (vend IN ('', '*****') OR d.codvendedor = vend)
    GROUP BY d.codvendedor, v.nombre_vend
    ORDER BY d.codvendedor;
END $$;

-- RPTCONEX: per seller, the point-of-sale sessions open now: 0 seller,
-- 1 nombre_vend, 2 the oldest session's start, 3 the newest, 4 how many.
CREATE FUNCTION RPTCONEX()
RETURNS TABLE (codvendedor varchar, nombre_vend varchar, primera timestamp, ultima timestamp,
               conexiones numeric)
LANGUAGE sql STABLE AS $$
  SELECT c.codvendedor, v.nombre_vend, min(c.inicio), max(c.inicio), count(*)::numeric
  FROM conexionesactivas c
  JOIN vendedor v ON v.codvendedor = c.codvendedor
  GROUP BY c.codvendedor, v.nombre_vend
  ORDER BY c.codvendedor
$$;
