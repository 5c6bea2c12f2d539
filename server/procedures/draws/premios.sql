-- The results of the draws: their list for a date (premiappal), their entry
-- (Grabapremios) and their award (Procesepremios2). The rules are written
-- in server/README.md, "Awarding a draw and paying a ticket".

-- premiappal 'dd/mm/yyyy': one row per lottery of the date, that is every
-- lottery that draws on that weekday and every lottery with a result
-- recorded for it, so a first result can be entered. Positions 0 to 15 as
-- the results catalogue shows them, then (16, not shown) the special
-- terminal, which the catalogue hands to the entry window with the special
-- play and detail so that a correction keeps them; an unrecorded value is "".
CREATE FUNCTION premiappal(xfecha varchar)
RETURNS TABLE (cod_lot varchar, desc_lot varchar, pri_triple varchar, seg_triple varchar,
               ter_triple varchar, pri_terminal varchar, seg_terminal varchar,
               ter_terminal varchar, triple_especial varchar, jugada varchar,
               especial varchar, prem_digito varchar, premio_para varchar,
               premio_parb varchar, premio_simple varchar, procesado varchar,
               terminal_especial varchar)
LANGUAGE plpgsql STABLE AS $$
#variable_conflict use_column
DECLARE
  fecha date := lee_fecha(xfecha, 'fecha del sorteo');
  dia int := extract(isodow FROM lee_fecha(xfecha, 'fecha del sorteo'))::int;
BEGIN
  RETURN QUERY
    SELECT l.cod_lot, l.desc_lot,
           coalesce(r.pri_triple, '')::varchar, coalesce(r.seg_triple, '')::varchar,
           coalesce(r.ter_triple, '')::varchar, coalesce(r.pri_terminal, '')::varchar,
           coalesce(r.seg_terminal, '')::varchar, coalesce(r.ter_terminal, '')::varchar,
           coalesce(r.triple_especial, '')::varchar, coalesce(r.jugada, '')::varchar,
           coalesce(r.especial, '')::varchar, coalesce(r.prem_digito, '')::varchar,
           coalesce(r.premio_para, '')::varchar, coalesce(r.premio_parb, '')::varchar,
           coalesce(r.premio_simple, '')::varchar, coalesce(r.procesado, 'N')::varchar,
           coalesce(r.terminal_especial, '')::varchar
      FROM loterias l
      LEFT JOIN premiar r ON r.cod_lot = l.cod_lot AND r.fechapremio = fecha
     WHERE r.cod_lot IS NOT NULL
        OR 'S' = CASE dia WHEN 1 THEN l.dia_1 WHEN 2 THEN l.dia_2 WHEN 3 THEN l.dia_3
                          WHEN 4 THEN l.dia_4 WHEN 5 THEN l.dia_5 WHEN 6 THEN l.dia_6
                          ELSE l.dia_7 END
     ORDER BY l.cod_lot;
END $$;

-- A winning number as typed: "" is none (NULL); otherwise exactly `ancho`
-- figures, of which one may be "*" when `asterisco`. Anything else is an
-- error naming the box. A "*" (a figure not drawn) may stand anywhere in the
-- first triple, so it may reach every number derived from it: the first
-- terminal (figures 2-3), the second (figures 1-2) and the digit (figure 3).
CREATE FUNCTION numero_ganador(valor varchar, ancho int, asterisco boolean, campo text)
RETURNS varchar
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
  v text := btrim(coalesce(valor, ''));
BEGIN
  IF v = '' THEN
    RETURN NULL;
  END IF;
  IF char_length(v) <> ancho
     OR v !~ (CASE WHEN asterisco THEN '^[0-9*]+$' ELSE '^[0-9]+$' END)
     OR char_length(v) - char_length(replace(v, '*', '')) > 1 THEN
    RAISE EXCEPTION 'Grabapremios: % "%" no es un número de % cifra(s)%', campo, v, ancho,
      CASE WHEN asterisco THEN ' (o un "*")' ELSE '' END;
  END IF;
  RETURN v;
END $$;

-- Grabapremios '0', date, the three triples, three terminals, digit,
-- special triple, special terminal, special play, detail, pair values A, B
-- and simple, lottery: records the result of that lottery and date, adding
-- or correcting it. An empty special play (with its detail, triple and
-- terminal) or pair value keeps what was recorded, since the entry window
-- does not show them again. A result that changes is no longer processed.
-- The window reads no answer: every refusal is an error.
CREATE FUNCTION Grabapremios(xmodo varchar, xfecha varchar,
                             Pri_TRIPLE varchar, Seg_TRIPLE varchar, Ter_TRIPLE varchar,
                             Pri_TERMINAL varchar, Seg_TERMINAL varchar, Ter_TERMINAL varchar,
                             prem_digito varchar, Triple_especial varchar,
                             Terminal_especial varchar, xespecial varchar, xjugada varchar,
                             Premio_ParA varchar, Premio_ParB varchar, Premio_simple varchar,
                             xloteria varchar, OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  fecha date;
  lot text := btrim(coalesce(xloteria, ''));
  esp text := nullif(btrim(coalesce(xespecial, '')), '');
  jug text := nullif(btrim(coalesce(xjugada, '')), '');
  nuevo premiar%ROWTYPE;
  viejo premiar%ROWTYPE;
  pares text[];
  i int;
BEGIN
  IF xmodo IS DISTINCT FROM '0' THEN
    RAISE EXCEPTION 'Grabapremios: modo desconocido "%"', xmodo;
  END IF;
  fecha := lee_fecha(xfecha, 'fecha del sorteo');
  IF NOT EXISTS (SELECT 1 FROM loterias l WHERE l.cod_lot = lot) THEN
    RAISE EXCEPTION 'Grabapremios: la lotería "%" no existe', lot;
  END IF;

  nuevo.cod_lot := lot;
  nuevo.fechapremio := fecha;
  nuevo.horapremio := reloj_servidor()::time(0);
  nuevo.pri_triple := numero_ganador(Pri_TRIPLE, 3, true, 'el 1er triple');
  nuevo.seg_triple := numero_ganador(Seg_TRIPLE, 3, false, 'el 2do triple');
  nuevo.ter_triple := numero_ganador(Ter_TRIPLE, 3, false, 'el 3er triple');
  nuevo.pri_terminal := numero_ganador(Pri_TERMINAL, 2, true, 'el 1er terminal');
  nuevo.seg_terminal := numero_ganador(Seg_TERMINAL, 2, true, 'el 2do terminal');
  nuevo.ter_terminal := numero_ganador(Ter_TERMINAL, 2, false, 'el 3er terminal');
  nuevo.prem_digito := numero_ganador(prem_digito, 1, true, 'el dígito');
  IF nuevo.pri_triple IS NULL THEN
    RAISE EXCEPTION 'Grabapremios: falta el 1er triple';
  END IF;
  pares := ARRAY[btrim(coalesce(Premio_ParA, '')), btrim(coalesce(Premio_ParB, '')),
                 btrim(coalesce(Premio_simple, ''))];
  FOR i IN 1..3 LOOP
    IF pares[i] <> '' AND pares[i] !~ '^[0-9]{1,3}$' THEN
      RAISE EXCEPTION 'Grabapremios: el valor de pares "%" no es un número', pares[i];
    END IF;
  END LOOP;

  SELECT * INTO viejo FROM premiar r WHERE r.cod_lot = lot AND r.fechapremio = fecha FOR UPDATE;

  IF esp IS NOT NULL AND jug IS NOT NULL THEN
    IF NOT EXISTS (SELECT 1 FROM jugadeta d WHERE d.especial = esp AND d.jugada = jug) THEN
      RAISE EXCEPTION 'Grabapremios: la jugada especial "%" no tiene el detalle "%"', esp, jug;
    END IF;
    nuevo.especial := esp;
    nuevo.jugada := jug;
    nuevo.triple_especial := numero_ganador(Triple_especial, 3, false, 'el triple especial');
    nuevo.terminal_especial := numero_ganador(Terminal_especial, 2, false, 'el terminal especial');
  ELSE
    nuevo.especial := viejo.especial;
    nuevo.jugada := viejo.jugada;
    nuevo.triple_especial := viejo.triple_especial;
    nuevo.terminal_especial := viejo.terminal_especial;
  END IF;
  nuevo.premio_para := coalesce(nullif(pares[1], ''), viejo.premio_para);
  nuevo.premio_parb := coalesce(nullif(pares[2], ''), viejo.premio_parb);
  nuevo.premio_simple := coalesce(nullif(pares[3], ''), viejo.premio_simple);
  nuevo.impresa := coalesce(viejo.impresa, 'N');
  nuevo.procesado := CASE
    WHEN viejo.cod_lot IS NOT NULL
     AND (viejo.pri_triple, viejo.seg_triple, viejo.ter_triple, viejo.pri_terminal,
          viejo.seg_terminal, viejo.ter_terminal, viejo.prem_digito, viejo.triple_especial,
          viejo.terminal_especial, viejo.especial, viejo.jugada)
         IS NOT DISTINCT FROM
         (nuevo.pri_triple, nuevo.seg_triple, nuevo.ter_triple, nuevo.pri_terminal,
          nuevo.seg_terminal, nuevo.ter_terminal, nuevo.prem_digito, nuevo.triple_especial,
          nuevo.terminal_especial, nuevo.especial, nuevo.jugada)
    THEN viejo.procesado ELSE 'N' END;

  INSERT INTO premiar VALUES (nuevo.*)
  ON CONFLICT (cod_lot, fechapremio) DO UPDATE
    SET horapremio = EXCLUDED.horapremio, pri_triple = EXCLUDED.pri_triple,
        seg_triple = EXCLUDED.seg_triple, ter_triple = EXCLUDED.ter_triple,
        pri_terminal = EXCLUDED.pri_terminal, seg_terminal = EXCLUDED.seg_terminal,
        ter_terminal = EXCLUDED.ter_terminal, prem_digito = EXCLUDED.prem_digito,
        triple_especial = EXCLUDED.triple_especial,
        terminal_especial = EXCLUDED.terminal_especial, especial = EXCLUDED.especial,
        jugada = EXCLUDED.jugada, premio_para = EXCLUDED.premio_para,
        premio_parb = EXCLUDED.premio_parb, premio_simple = EXCLUDED.premio_simple,
        procesado = EXCLUDED.procesado;
  return_value := 0;
END $$;

-- The plays of the given lotteries on a date with everything their award
-- needs: every play (`todas`), or only those that can win or have won, that
-- is the plays whose number is one the result of their lottery can pay and
-- those holding a prize from an earlier processing. `premio` is the play's stored prize, `premio_nuevo` what it
-- earns by the result now: amount x the factor of the first position its
-- number matches, by the payment mode (server/README.md), 0 on an annulled
-- ticket. Factors, payment mode and comodin come from the seller's row for
-- the lottery (normal play) or for the lottery and special play (special
-- play), the seller's defaults when that row is missing. A special play is
-- matched only when its special play and detail are the result's: its
-- first triple is the special triple, its terminals the special terminal
-- and figures 1-2 of the special triple. A winning number holding "*"
-- never equals a number sold. Written as one query, with no helper
-- functions of schema proc: every function there runs as its owner, which
-- keeps the planner from inlining it into this scan.
CREATE FUNCTION jugadas_premiadas(fecha date, lots varchar[], todas boolean DEFAULT true)
RETURNS TABLE (codvendedor varchar, nroticket varchar, linea smallint, cod_lot varchar,
               clase varchar, premio numeric, premio_nuevo numeric,
               activo boolean)
LANGUAGE plpgsql STABLE ROWS 20000 AS $f$
BEGIN
  -- The source of the plays is chosen here, so that each way gets a plan
  -- of its own, made for the date and lotteries of the call.
  RETURN QUERY EXECUTE format($q$
  SELECT p.codvendedor, p.nroticket, p.linea, p.cod_lot, clase_saldo(p.tipo_jugada, p.numero), p.premio,
         CASE WHEN t.nroticket IS NOT NULL OR NOT k.juega THEN 0
              ELSE p.monto * CASE char_length(p.numero)
           WHEN 3 THEN CASE
             WHEN p.numero = k.t1 THEN k.pt1
             WHEN k.modo = '2' THEN 0
             WHEN p.numero = k.t2 THEN k.pt2
             WHEN p.numero = k.t3 THEN k.pt3
             ELSE 0 END
           WHEN 2 THEN CASE
             WHEN p.numero = k.e1 THEN k.pe1
             WHEN k.modo = '2' THEN 0
             WHEN k.modo = '1' THEN CASE
               WHEN k.e1 !~ '^[0-9]{2}$' THEN 0
               WHEN p.numero::int = k.e1::int - 1 THEN k.pe2
               WHEN p.numero::int = k.e1::int + 1 THEN k.pe3
               ELSE 0 END
             WHEN p.numero = k.e2 THEN k.pe2
             WHEN p.numero = k.e3 THEN k.pe3
             WHEN k.modo = '3' AND right(p.numero, 1) = right(k.e1, 1) THEN coalesce(k.comodin, 0)
             ELSE 0 END
           WHEN 1 THEN CASE WHEN p.numero = k.dig THEN k.pdig ELSE 0 END
           ELSE 0 END END,
         t.nroticket IS NULL
    FROM %s p
    JOIN premiar r ON r.cod_lot = p.cod_lot AND r.fechapremio = $1
    -- The day's annulled tickets, few, rather than every play's ticket.
    LEFT JOIN tickets t ON t.codvendedor = p.codvendedor AND t.nroticket = p.nroticket
                       AND t.fechaticket = $1 AND t.anulado = 'S'
    JOIN vendedor v ON v.codvendedor = p.codvendedor
    LEFT JOIN ven_lot vl ON vl.codvendedor = p.codvendedor AND vl.cod_lot = p.cod_lot
    LEFT JOIN vendespec ve ON ve.codvendedor = p.codvendedor AND ve.cod_lot = p.cod_lot
                          AND ve.especial = p.especial
    CROSS JOIN LATERAL (
      -- A result or play without a detail matches no detail (not NULL,
      -- which would let the play be priced).
      SELECT p.tipo_jugada = '1' OR coalesce(p.especial = r.especial AND p.jugada = r.jugada, false) AS juega,
             CASE WHEN p.tipo_jugada = '1' THEN coalesce(vl.tipode_pago, v.tipode_pago)
                  ELSE coalesce(ve.tipode_pago, v.tipode_pago) END AS modo,
             CASE WHEN p.tipo_jugada = '1' THEN r.pri_triple ELSE r.triple_especial END AS t1,
             CASE WHEN p.tipo_jugada = '1' THEN r.seg_triple END AS t2,
             CASE WHEN p.tipo_jugada = '1' THEN r.ter_triple END AS t3,
             CASE WHEN p.tipo_jugada = '1' THEN r.pri_terminal ELSE r.terminal_especial END AS e1,
             CASE WHEN p.tipo_jugada = '1' THEN r.seg_terminal ELSE left(r.triple_especial, 2) END AS e2,
             CASE WHEN p.tipo_jugada = '1' THEN r.ter_terminal END AS e3,
             CASE WHEN p.tipo_jugada = '1' THEN r.prem_digito END AS dig,
             CASE WHEN p.tipo_jugada = '1' THEN coalesce(vl.p_tri_1, v.p_tri_1) ELSE coalesce(ve.p_tri_1, v.p_tri_1) END AS pt1,
             CASE WHEN p.tipo_jugada = '1' THEN coalesce(vl.p_tri_2, v.p_tri_2) ELSE 0 END AS pt2,
             CASE WHEN p.tipo_jugada = '1' THEN coalesce(vl.p_tri_3, v.p_tri_3) ELSE 0 END AS pt3,
             CASE WHEN p.tipo_jugada = '1' THEN coalesce(vl.p_ter_1, v.p_ter_1) ELSE coalesce(ve.p_ter_1, v.p_ter_1) END AS pe1,
             CASE WHEN p.tipo_jugada = '1' THEN coalesce(vl.p_ter_2, v.p_ter_2) ELSE coalesce(ve.p_ter_2, v.p_ter_2) END AS pe2,
             CASE WHEN p.tipo_jugada = '1' THEN coalesce(vl.p_ter_3, v.p_ter_3) ELSE coalesce(ve.p_ter_3, v.p_ter_3) END AS pe3,
             CASE WHEN p.tipo_jugada = '1' THEN coalesce(vl.premio_digito, v.premio_digito) ELSE 0 END AS pdig,
             CASE WHEN p.tipo_jugada = '1' AND coalesce(vl.pagacomodin, v.pagacomodin) = 'S'
                  THEN coalesce(vl.montocomodin, v.montocomodin) END AS comodin
    ) k
  $q$,
  CASE WHEN todas
  THEN $s$(SELECT p0.* FROM jugadasticket p0 WHERE p0.fechaticket = $1 AND p0.cod_lot = ANY ($2))$s$
  ELSE $s$
    (WITH numeros AS MATERIALIZED (
       -- Every number the result of each lottery can pay, by any payment
       -- mode: the triples, the terminals with the special play's and
       -- those one below and above the first ones, the digit, and the
       -- terminals ending as the first one when a seller of the lottery, or
       -- a seller's defaults, may pay the comodin.
       SELECT r0.cod_lot, r0.fechapremio, ARRAY(
                SELECT DISTINCT x.numero
                  FROM unnest(ARRAY[r0.pri_triple, r0.seg_triple, r0.ter_triple, r0.triple_especial,
                                    r0.pri_terminal, r0.seg_terminal, r0.ter_terminal,
                                    r0.terminal_especial, left(r0.triple_especial, 2), r0.prem_digito]
                              || ARRAY(SELECT to_char(e.t::int + d, 'FM00')
                                         FROM unnest(ARRAY[r0.pri_terminal, r0.terminal_especial]) e(t),
                                              unnest(ARRAY[-1, 1]) d
                                        WHERE e.t ~ '^[0-9]{2}$' AND e.t::int + d BETWEEN 0 AND 99)
                              || ARRAY(SELECT d::text || right(r0.pri_terminal, 1)
                                         FROM generate_series(0, 9) d
                                        WHERE right(r0.pri_terminal, 1) ~ '^[0-9]$'
                                          AND (EXISTS (SELECT 1 FROM ven_lot c
                                                        WHERE c.cod_lot = r0.cod_lot AND c.tipode_pago = '3'
                                                          AND c.pagacomodin = 'S')
                                               OR EXISTS (SELECT 1 FROM vendedor c
                                                           WHERE c.tipode_pago = '3'
                                                             AND c.pagacomodin = 'S')))) x(numero)
                 WHERE x.numero ~ '^[0-9]+$')::varchar[] AS numeros
         FROM premiar r0
        WHERE r0.fechapremio = $1 AND r0.cod_lot = ANY ($2))
     SELECT p0.* FROM numeros n
       CROSS JOIN LATERAL unnest(n.numeros) u(numero)
       JOIN jugadasticket p0 ON p0.cod_lot = n.cod_lot AND p0.fechaticket = n.fechapremio
                            AND p0.numero = u.numero
     UNION ALL
     -- The prizes of an earlier result on other numbers.
     SELECT p0.* FROM jugadasticket p0
       JOIN numeros n ON n.cod_lot = p0.cod_lot
      WHERE p0.fechaticket = $1 AND p0.cod_lot = ANY ($2) AND p0.premio > 0
        AND p0.numero <> ALL (n.numeros))$s$ END)
  USING fecha, lots;
END $f$;

-- Procesepremios2 'dd/mm/yyyy', lotteries: awards the date's draws of the
-- listed lotteries (codes of three characters run together, "001014"), or
-- of every lottery with a result on that date when the list has no value.
-- Return codes: 0 done; 55 none of them has a result for the date; 6 a code
-- that is no lottery; 7 a malformed date or list. Running it again changes
-- nothing; a corrected result moves the prizes among unpaid tickets only.
CREATE FUNCTION Procesepremios2(xfecha varchar, xcod_lotp varchar DEFAULT NULL,
                                OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  fsorteo date;
  lista text := btrim(coalesce(xcod_lotp, ''));
  pedidos varchar[];
  lots varchar[];
  dia_vendedores varchar[];
  mes_vendedores varchar[];
  mes_loterias varchar[];
  mes_tipos varchar[];
BEGIN
  BEGIN
    fsorteo := lee_fecha(xfecha, 'fecha');
  EXCEPTION WHEN OTHERS THEN
    return_value := 7;
    RETURN;
  END;
  IF lista <> '' THEN
    IF char_length(lista) % 3 <> 0 OR NOT codigo_valido(lista) THEN
      return_value := 7;
      RETURN;
    END IF;
    pedidos := ARRAY(SELECT substr(lista, i, 3)::varchar
                       FROM generate_series(1, char_length(lista), 3) i);
    IF EXISTS (SELECT 1 FROM unnest(pedidos) c
                WHERE NOT EXISTS (SELECT 1 FROM loterias l WHERE l.cod_lot = c)) THEN
      return_value := 6;
      RETURN;
    END IF;
  END IF;

  -- A day's daily results are grouped in memory. No JIT: its compiling
  -- costs more than these queries take.
  PERFORM set_config('work_mem', '64MB', true);
  PERFORM set_config('jit', 'off', true);

  -- Two runs for one date would each sum a ticket's plays of the other's
  -- lotteries as they were before: they take turns.
  PERFORM pg_advisory_xact_lock(hashtext('Procesepremios2'), fsorteo - date '2000-01-01');

  lots := ARRAY(SELECT r.cod_lot FROM premiar r
                 WHERE r.fechapremio = fsorteo
                   AND (pedidos IS NULL OR r.cod_lot = ANY (pedidos))
                 ORDER BY r.cod_lot);
  IF cardinality(lots) = 0 THEN
    return_value := 55;
    RETURN;
  END IF;

  -- One statement. Only the plays that can win or have won are priced.
  -- The tickets and plays it updates are the date's: the date bounds what
  -- their updates read (the whole tables otherwise, every day of them).
  -- Tickets first: their update locks each one and skips those paid (a
  -- paid ticket keeps what was paid); only the plays of tickets it updated change, and
  -- the daily results count the prize each play keeps. The daily results
  -- of those lotteries are rebuilt from the sales kept as they were sold
  -- and those prizes; a new row carries its taxing bodies' codes as the tax
  -- processing derives them (tasas_vigentes), a row whose taxes are not
  -- processed yet gets them brought up to date, processed tax columns are
  -- kept.
  -- The sums kept beside the daily results are fed by this statement from
  -- the rows it writes (220_saldosdias_sumas_directas.sql): their triggers
  -- pass over it.
  INSERT INTO saldosdias_sumas_directas (pid, xid) VALUES (pg_backend_pid(), pg_current_xact_id());

  WITH j AS MATERIALIZED (
    SELECT * FROM jugadas_premiadas(fsorteo, lots, false)
  ), nuevos AS (
    SELECT * FROM j WHERE j.premio_nuevo IS DISTINCT FROM j.premio
  ), totales AS (
    -- A changed ticket's prize: what its plays keep, with the changes of
    -- those that change (its plays read through its key, not the day's).
    SELECT n.codvendedor, n.nroticket,
           (SELECT sum(p.premio) FROM jugadasticket p
             WHERE p.codvendedor = n.codvendedor AND p.nroticket = n.nroticket)
           + n.cambio AS total
      FROM (SELECT n2.codvendedor, n2.nroticket, sum(coalesce(n2.premio_nuevo, n2.premio) - n2.premio) AS cambio
              FROM nuevos n2
             GROUP BY n2.codvendedor, n2.nroticket) n
  ), hechos AS (
    UPDATE tickets t
       SET montopremio = nullif(tt.total, 0),
           premiado = CASE WHEN tt.total > 0 THEN 'S' ELSE 'N' END
      FROM totales tt
     WHERE t.codvendedor = tt.codvendedor AND t.nroticket = tt.nroticket
       AND t.fechaticket = fsorteo AND t.pagado = 'N'
    RETURNING t.codvendedor, t.nroticket
  ), jugadas AS (
    UPDATE jugadasticket p
       SET premio = n.premio_nuevo
      FROM nuevos n
      JOIN hechos h ON h.codvendedor = n.codvendedor AND h.nroticket = n.nroticket
     WHERE p.codvendedor = n.codvendedor AND p.nroticket = n.nroticket AND p.linea = n.linea
       AND p.fechaticket = fsorteo
    RETURNING 1
  ), premios AS (
    SELECT j.codvendedor, j.cod_lot, j.clase,
           sum(CASE WHEN h.codvendedor IS NULL THEN j.premio ELSE j.premio_nuevo END) AS premios
      FROM j
      LEFT JOIN hechos h ON h.codvendedor = j.codvendedor AND h.nroticket = j.nroticket
     WHERE j.activo
     GROUP BY j.codvendedor, j.cod_lot, j.clase
  ), anuladas AS (
    -- The plays of the day's annulled tickets, summed as the kept sums are.
    SELECT p.codvendedor, p.cod_lot, clase_saldo(p.tipo_jugada, p.numero) AS clase,
           coalesce(p.especial, '') AS especial, count(*) AS jugadas, sum(p.monto) AS venta
      FROM tickets t
      JOIN jugadasticket p ON p.codvendedor = t.codvendedor AND p.nroticket = t.nroticket
     WHERE t.fechaticket = fsorteo AND t.anulado = 'S' AND p.cod_lot = ANY (lots)
     GROUP BY 1, 2, 3, 4
  ), ventas AS (
    -- The kept sums less the annulled plays; a key whose every play is
    -- annulled has no daily result. comi is the seller's rate now.
    SELECT k.codvendedor, k.cod_lot, k.tipo_jugada AS clase, k.especial,
           k.venta - coalesce(a.venta, 0) AS venta, v.comi_tri, v.comi_ter, v.comi_digito
      FROM ventas_jugadas k
      JOIN vendedor v ON v.codvendedor = k.codvendedor
      LEFT JOIN anuladas a ON a.codvendedor = k.codvendedor AND a.cod_lot = k.cod_lot
                          AND a.clase = k.tipo_jugada AND a.especial = k.especial
     WHERE k.fechaticket = fsorteo AND k.cod_lot = ANY (lots)
       AND k.jugadas > coalesce(a.jugadas, 0)
  ), dia AS (
    -- Normal plays: one kept row per daily result, at the seller's rate for
    -- the lottery; special plays: summed over the special plays, each at
    -- its own rate. The commission is rounded once per daily result.
    SELECT x.codvendedor, x.cod_lot, x.clase, x.venta, x.comision, coalesce(p.premios, 0) AS premios
      FROM (SELECT n.codvendedor, n.cod_lot, n.clase, n.venta,
                   round(n.venta * CASE n.clase WHEN '1' THEN coalesce(vl.comi_tri, n.comi_tri)
                                                WHEN '2' THEN coalesce(vl.comi_ter, n.comi_ter)
                                                ELSE coalesce(vl.comi_digito, n.comi_digito) END
                         / 100, 3) AS comision
              FROM ventas n
              LEFT JOIN ven_lot vl ON vl.codvendedor = n.codvendedor AND vl.cod_lot = n.cod_lot
             WHERE n.clase IN ('1', '2', '3')
            UNION ALL
            SELECT e.codvendedor, e.cod_lot, e.clase, sum(e.venta),
                   round(sum(e.venta * CASE e.clase WHEN '4' THEN coalesce(ve.comi_tri, e.comi_tri)
                                                    ELSE coalesce(ve.comi_ter, e.comi_ter) END)
                         / 100, 3)
              FROM ventas e
              LEFT JOIN vendespec ve ON ve.codvendedor = e.codvendedor AND ve.cod_lot = e.cod_lot
                                    AND ve.especial = e.especial
             WHERE e.clase IN ('4', '5')
             GROUP BY e.codvendedor, e.cod_lot, e.clase) x
      LEFT JOIN premios p ON p.codvendedor = x.codvendedor AND p.cod_lot = x.cod_lot AND p.clase = x.clase
  ), comparados AS MATERIALIZED (
    -- The new results beside the stored ones, keeping only what may have
    -- to be written: a new or changed result, a stored one no longer sold,
    -- and a row whose taxes are not processed (its codes may be behind).
    SELECT d.codvendedor, d.cod_lot, d.clase, d.venta, d.comision, d.premios,
           s.vendedor AS guardado, s.cod_lot AS guardado_lot, s.tipo_jugada AS guardado_clase,
           s.total_venta, s.comision AS guardada_comision, s.premios AS guardados_premios,
           s.subtotal AS guardado_subtotal, s.impuestos_procesados, s.codigo_junta, s.codigo_operadora,
           s.codigo_alcaldia, s.codigo_gobernacion
      FROM dia d
      FULL JOIN (SELECT * FROM saldosdias s0 WHERE s0.fecha = fsorteo AND s0.cod_lot = ANY (lots)) s
        ON s.vendedor = d.codvendedor AND s.cod_lot = d.cod_lot AND s.tipo_jugada = d.clase
     WHERE s.vendedor IS NULL OR d.codvendedor IS NULL OR s.impuestos_procesados = 'N'
        OR (s.total_venta, s.comision, s.premios) IS DISTINCT FROM (d.venta, d.comision, d.premios)
  ), cambiados AS (
    -- Only the rows that change go through the insert's key checks. The
    -- taxing bodies are those the tax processing would write now.
    SELECT c.*, t.codigo_junta AS junta, t.codigo_operadora AS operadora, t.codigo_alcaldia AS alcaldia,
           t.codigo_gobernacion AS gobernacion
      FROM comparados c
      JOIN tasas_vigentes t ON t.vendedor = c.codvendedor AND t.cod_lot = c.cod_lot
     WHERE (c.total_venta, c.guardada_comision, c.guardados_premios)
           IS DISTINCT FROM (c.venta, c.comision, c.premios)
        OR (c.impuestos_procesados = 'N'
            AND (c.codigo_junta, c.codigo_operadora, c.codigo_alcaldia, c.codigo_gobernacion)
                IS DISTINCT FROM (t.codigo_junta, t.codigo_operadora, t.codigo_alcaldia,
                                  t.codigo_gobernacion))
  ), sobrantes AS (
    SELECT c.guardado AS vendedor, c.guardado_lot AS cod_lot, c.guardado_clase AS tipo_jugada,
           c.impuestos_procesados, c.total_venta, c.guardada_comision, c.guardados_premios, c.guardado_subtotal
      FROM comparados c
     WHERE c.codvendedor IS NULL
       AND (c.impuestos_procesados = 'N'
            OR (c.total_venta, c.guardada_comision, c.guardados_premios) <> (0, 0, 0))
  ), escritos AS (
    INSERT INTO saldosdias AS s (vendedor, fecha, cod_lot, tipo_jugada, total_venta, comision,
                                 premios, subtotal, codigo_junta, codigo_operadora,
                                 codigo_alcaldia, codigo_gobernacion)
    SELECT c.codvendedor, fsorteo, c.cod_lot, c.clase, c.venta, c.comision, c.premios,
           c.venta - c.comision - c.premios, c.junta, c.operadora, c.alcaldia, c.gobernacion
      FROM cambiados c
    ON CONFLICT (vendedor, fecha, cod_lot, tipo_jugada) DO UPDATE
       SET total_venta = EXCLUDED.total_venta, comision = EXCLUDED.comision,
           premios = EXCLUDED.premios, subtotal = EXCLUDED.subtotal,
           codigo_junta = CASE WHEN s.impuestos_procesados = 'S' THEN s.codigo_junta
                               ELSE EXCLUDED.codigo_junta END,
           codigo_operadora = CASE WHEN s.impuestos_procesados = 'S' THEN s.codigo_operadora
                                   ELSE EXCLUDED.codigo_operadora END,
           codigo_alcaldia = CASE WHEN s.impuestos_procesados = 'S' THEN s.codigo_alcaldia
                                  ELSE EXCLUDED.codigo_alcaldia END,
           codigo_gobernacion = CASE WHEN s.impuestos_procesados = 'S' THEN s.codigo_gobernacion
                                     ELSE EXCLUDED.codigo_gobernacion END
    RETURNING 1
  ), quitados AS (
    -- Rows with tax already processed stay, with nothing sold.
    DELETE FROM saldosdias s USING sobrantes x
     WHERE s.vendedor = x.vendedor AND s.fecha = fsorteo AND s.cod_lot = x.cod_lot
       AND s.tipo_jugada = x.tipo_jugada AND x.impuestos_procesados = 'N'
    RETURNING 1
  ), anulados AS (
    UPDATE saldosdias s
       SET total_venta = 0, comision = 0, premios = 0, subtotal = 0
      FROM sobrantes x
     WHERE s.vendedor = x.vendedor AND s.fecha = fsorteo AND s.cod_lot = x.cod_lot
       AND s.tipo_jugada = x.tipo_jugada AND x.impuestos_procesados = 'S'
    RETURNING 1
  ), k AS MATERIALIZED (
    -- The rows written, signed as the sums triggers take them (+1 a row
    -- as written, its amounts as the columns store them; -1 as it was).
    SELECT c.guardado AS vendedor, c.guardado_lot AS cod_lot, c.guardado_clase AS tipo_jugada,
           -c.total_venta AS total_venta, -c.guardada_comision AS comision, -c.guardados_premios AS premios,
           -c.guardado_subtotal AS subtotal, -1 AS signo
      FROM cambiados c
     WHERE c.guardado IS NOT NULL
    UNION ALL
    SELECT c.codvendedor, c.cod_lot, c.clase, c.venta::numeric(18, 3), c.comision::numeric(18, 3),
           c.premios::numeric(18, 3), (c.venta - c.comision - c.premios)::numeric(18, 3), 1
      FROM cambiados c
    UNION ALL
    SELECT x.vendedor, x.cod_lot, x.tipo_jugada, -x.total_venta, -x.guardada_comision, -x.guardados_premios,
           -x.guardado_subtotal, -1
      FROM sobrantes x
    UNION ALL
    -- A row the tax processing marked before its sums were kept apart
    -- stays, with nothing sold.
    SELECT x.vendedor, x.cod_lot, x.tipo_jugada, 0, 0, 0, 0, 1
      FROM sobrantes x
     WHERE x.impuestos_procesados = 'S'
  ), dias AS MATERIALIZED (
    -- Per seller (of the one date): the balance's change, the rows gained
    -- or lost, and the amounts of the rows with an amount.
    SELECT k.vendedor, sum(k.subtotal) AS subtotal, sum(k.signo) AS filas,
           count(*) FILTER (WHERE k.signo > 0) AS nuevas,
           sum(k.total_venta) FILTER (WHERE k.importe) AS i_venta,
           sum(k.comision) FILTER (WHERE k.importe) AS i_comision,
           sum(k.premios) FILTER (WHERE k.importe) AS i_premios,
           sum(k.signo) FILTER (WHERE k.importe) AS i_filas
      FROM (SELECT x.*, (x.total_venta, x.comision, x.premios) <> (0, 0, 0) AS importe FROM k x) k
     GROUP BY k.vendedor
  ), balances AS (
    -- Whether the seller keeps daily results on the date: surely when the
    -- statement writes some, else as many as were stored plus those it adds.
    SELECT d.vendedor, d.subtotal,
           d.nuevas > 0 OR (SELECT count(*) FROM saldosdias s WHERE s.vendedor = d.vendedor AND s.fecha = fsorteo)
                           + d.filas > 0 AS quedan
      FROM dias d
     WHERE d.subtotal <> 0 OR d.filas <> 0
  ), balance_suma AS (
    INSERT INTO saldosdias_dia AS d (vendedor, fecha, subtotal)
    SELECT b.vendedor, fsorteo, b.subtotal FROM balances b WHERE b.quedan
    ON CONFLICT (vendedor, fecha) DO UPDATE SET subtotal = d.subtotal + excluded.subtotal
    RETURNING 1
  ), balance_borra AS (
    DELETE FROM saldosdias_dia d USING balances b
     WHERE NOT b.quedan AND d.vendedor = b.vendedor AND d.fecha = fsorteo
    RETURNING 1
  ), importes_dia AS (
    INSERT INTO saldosdias_importes_dia AS d (vendedor, fecha, total_venta, comision, premios, filas)
    SELECT x.vendedor, fsorteo, x.i_venta, x.i_comision, x.i_premios, x.i_filas
      FROM dias x
     WHERE x.i_filas IS NOT NULL AND (x.i_venta, x.i_comision, x.i_premios, x.i_filas) <> (0, 0, 0, 0)
    ON CONFLICT (vendedor, fecha) DO UPDATE
       SET total_venta = d.total_venta + excluded.total_venta, comision = d.comision + excluded.comision,
           premios = d.premios + excluded.premios, filas = d.filas + excluded.filas
    RETURNING d.vendedor, d.filas
  ), importes_mes AS (
    -- One date's rows have one monthly key each: only a rewritten row's two
    -- sides meet.
    INSERT INTO saldosdias_importes_mes AS m (mes, vendedor, cod_lot, tipo_jugada, total_venta, comision,
                                             premios, filas)
    SELECT date_trunc('month', fsorteo)::date, k.vendedor, k.cod_lot, k.tipo_jugada, sum(k.total_venta),
           sum(k.comision), sum(k.premios), sum(k.signo)
      FROM k
     WHERE (k.total_venta, k.comision, k.premios) <> (0, 0, 0)
     GROUP BY 2, 3, 4
    HAVING (sum(k.total_venta), sum(k.comision), sum(k.premios), sum(k.signo)) <> (0, 0, 0, 0)
    ON CONFLICT (vendedor, cod_lot, tipo_jugada, mes) DO UPDATE
       SET total_venta = m.total_venta + excluded.total_venta, comision = m.comision + excluded.comision,
           premios = m.premios + excluded.premios, filas = m.filas + excluded.filas
    RETURNING m.vendedor, m.cod_lot, m.tipo_jugada, m.filas
  )
  SELECT (SELECT array_agg(i.vendedor) FROM importes_dia i WHERE i.filas = 0),
         (SELECT array_agg(m.vendedor) FROM importes_mes m WHERE m.filas = 0),
         (SELECT array_agg(m.cod_lot) FROM importes_mes m WHERE m.filas = 0),
         (SELECT array_agg(m.tipo_jugada) FROM importes_mes m WHERE m.filas = 0)
    INTO dia_vendedores, mes_vendedores, mes_loterias, mes_tipos;

  DELETE FROM saldosdias_sumas_directas d WHERE d.pid = pg_backend_pid() AND d.xid = pg_current_xact_id();
  -- A key whose rows are gone, or all zeros, keeps no sum.
  IF dia_vendedores IS NOT NULL THEN
    DELETE FROM saldosdias_importes_dia d
     WHERE d.fecha = fsorteo AND d.vendedor = ANY (dia_vendedores) AND d.filas = 0;
  END IF;
  IF mes_vendedores IS NOT NULL THEN
    DELETE FROM saldosdias_importes_mes m
     USING unnest(mes_vendedores, mes_loterias, mes_tipos) AS x(vendedor, cod_lot, tipo_jugada)
     WHERE m.mes = date_trunc('month', fsorteo)::date AND m.vendedor = x.vendedor AND m.cod_lot = x.cod_lot
       AND m.tipo_jugada = x.tipo_jugada AND m.filas = 0;
  END IF;

  UPDATE premiar r SET procesado = 'S'
   WHERE r.fechapremio = fsorteo AND r.cod_lot = ANY (lots) AND r.procesado <> 'S';
  return_value := 0;
END $$;
