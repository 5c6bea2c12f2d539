-- The live monitor (monitoronline): what the network has sold per number of
-- one lottery and draw date, polled every few seconds by each open monitor
-- window. It reads the day's plays of one lottery through the index
-- jugadasticket_fecha (fechaticket, cod_lot) and the day's annulled tickets
-- through tickets_anulados, never the other tickets.

-- monitoronline date, type, lottery, number, amount, seller: the amounts
-- sold on active (not annulled) tickets of the lottery and sale date, for
-- the play type (below), one row per number; a special play's rows go per
-- number and detail, with the detail's name in descjugada. A digit shows as "**" and its figure. Columns by name:
--   Numero_normal   the number as shown
--   xMonto_Normal   a normal triple's or terminal's amount (else 0)
--   xMontoespecial  a special play's amount (0 for normal plays: the window
--                   tells the kinds apart by it)
--   xMonto_Digito   a normal digit's amount (else 0)
--   Monto_Digito    a special digit's amount (else 0)
--   descjugada      the special play's detail name ("" for normal plays)
-- Filters, each off when empty: the number, matched against the number as
-- shown with "*" standing for any one figure ("1*3", "**7"); the amount, the
-- least a row must add up to; the seller whose plays count. Rows by number,
-- then special play and detail. An unknown type, a date that is not one, a
-- number filter other than figures and "*", or an amount that is not a
-- number are errors.
-- The play types, each play in exactly one: 1 Triples, 2 Terminales
-- (normal plays of 3 and 2 figures), 3 Ter. Especial, 4 Trip. Especial
-- (special plays of 2 and 3 figures), 5 Digito (every play of 1 figure,
-- normal or special). The type is turned into the number's length and the
-- play kind before the query, which compares them as they are stored: a
-- function per play would be called, not inlined (functions of proc run as
-- their owner).
CREATE FUNCTION monitoronline(xfecha varchar, xtipo varchar, xloteria varchar, xnumero varchar,
                              xmonto varchar, xvendedor varchar)
RETURNS TABLE (Numero_normal varchar, xMonto_Normal numeric, xMontoespecial numeric,
               xMonto_Digito numeric, Monto_Digito numeric, descjugada varchar)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  fecha date := lee_fecha(xfecha, 'fecha');
  tipo text := btrim(coalesce(xtipo, ''));
  loteria text := btrim(coalesce(xloteria, ''));
  numero text := btrim(coalesce(xnumero, ''));
  vendedor text := btrim(coalesce(xvendedor, ''));
  minimo numeric;
  patron text;
  cifras int;
  clase text;
BEGIN
  CASE tipo
    WHEN '1' THEN cifras := 3; clase := '1';
    WHEN '2' THEN cifras := 2; clase := '1';
    WHEN '3' THEN cifras := 2; clase := '2';
    WHEN '4' THEN cifras := 3; clase := '2';
    WHEN '5' THEN cifras := 1; clase := NULL;
    ELSE RAISE EXCEPTION 'monitoronline: tipo de jugada desconocido "%"', xtipo;
  END CASE;
  IF numero !~ '^[0-9*]{0,3}$' THEN
    RAISE EXCEPTION 'monitoronline: número inválido "%": cifras y "*"', xnumero;
  END IF;
  patron := nullif(replace(numero, '*', '_'), '');
  IF btrim(coalesce(xmonto, '')) <> '' THEN
    minimo := lee_importe(xmonto, 'monto');
  END IF;

  -- Planned for each poll's own values (a plan made for any lottery and day
  -- reads far more than one lottery's day); the values stay bound.
  RETURN QUERY EXECUTE $q$
    WITH anulados AS MATERIALIZED (
      -- Hashed once (the keys are never NULL), not looked up play by play:
      -- the planner cannot tell how many plays of the type there are.
      SELECT k.codvendedor, k.nroticket FROM tickets k
       WHERE k.fechaticket = $1 AND k.anulado = 'S'
    ), vendido AS (
      SELECT CASE WHEN char_length(p.numero) = 1 THEN '**' || p.numero ELSE p.numero END AS mostrado,
             p.tipo_jugada, p.especial, p.jugada, sum(p.monto) AS monto
        FROM jugadasticket p
       WHERE p.cod_lot = $2 AND p.fechaticket = $1
         AND char_length(p.numero) = $3
         AND ($4::text IS NULL OR p.tipo_jugada = $4)
         AND (p.codvendedor, p.nroticket) NOT IN (SELECT a.codvendedor, a.nroticket FROM anulados a)
         AND ($5 = '' OR p.codvendedor = $5)
       GROUP BY 1, 2, 3, 4
    )
    SELECT v.mostrado::varchar,
           CASE WHEN v.tipo_jugada = '1' AND $6 <> '5' THEN v.monto ELSE 0 END,
           CASE WHEN v.tipo_jugada = '2' THEN v.monto ELSE 0 END,
           CASE WHEN v.tipo_jugada = '1' AND $6 = '5' THEN v.monto ELSE 0 END,
           CASE WHEN v.tipo_jugada = '2' AND $6 = '5' THEN v.monto ELSE 0 END,
           coalesce(d.desc_jugada, '')::varchar
      FROM vendido v
      LEFT JOIN jugadeta d ON d.especial = v.especial AND d.jugada = v.jugada
     WHERE ($7::text IS NULL OR v.mostrado LIKE $7)
       AND ($8::numeric IS NULL OR v.monto >= $8)
     ORDER BY v.mostrado, v.especial NULLS FIRST, v.jugada
  $q$ USING fecha, loteria, cifras, clase, vendedor, tipo, patron, minimo;
END $$;
