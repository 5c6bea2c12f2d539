-- Blocked or amount-limited numbers: the list of the blocking window
-- (DSPbloqueados) and its add and delete (actbloqueados). The sale points
-- read the table bloqueos before they sell.

-- A number as a block holds it: one to three characters, figures and at
-- most one "S" (the blocking window's box takes nothing else).
CREATE FUNCTION numero_bloqueo_valido(x text)
RETURNS boolean
LANGUAGE sql IMMUTABLE AS $$
  SELECT x ~ '^[0-9S]{1,3}$' AND char_length(x) - char_length(replace(x, 'S', '')) <= 1
$$;

-- DSPbloqueados: every block, by lottery, number, special play and play.
-- Columns by position: lottery code, lottery name, number, limit amount,
-- play, special play. The play and special-play cells begin with their code
-- followed by a blank ("01 - ARIES", "* - Todas", "T1 - TRIPLETAZO"; empty
-- for none), so the window takes the code back as the cell's first word.
CREATE FUNCTION DSPbloqueados()
RETURNS TABLE (cod_lot varchar, desc_lot varchar, numero_bloq varchar, monto_bloq numeric,
               jugada varchar, especial varchar)
LANGUAGE sql STABLE AS $$
  SELECT b.cod_lot, l.desc_lot, b.numero_bloq, b.monto_bloq,
         (CASE b.jugada WHEN '' THEN ''
                        WHEN '*' THEN '* - Todas'
                        ELSE b.jugada || coalesce(' - ' || d.desc_jugada, '') END)::varchar,
         (CASE b.especial WHEN '' THEN ''
                          ELSE b.especial || coalesce(' - ' || j.desc_espec, '') END)::varchar
    FROM bloqueos b
    JOIN loterias l ON l.cod_lot = b.cod_lot
    LEFT JOIN jugadas j ON j.especial = b.especial
    LEFT JOIN jugadeta d ON d.especial = b.especial AND d.jugada = b.jugada
   ORDER BY b.cod_lot, b.numero_bloq, b.especial, b.jugada
$$;

-- actbloqueados mode, number, amount, play, special play, number mode,
-- lotteries.
--   "1" adds the block of the number (trimmed, upper-cased) with the limit
--   amount for every lottery of `xloterias`: 3-character codes run together
--   ("001014"), or "*" for every lottery (one row each). A block that exists
--   already (same lottery, number, special play and play) takes the new
--   amount and number mode: adding again never fails as a duplicate.
--   "2" deletes the block of that number, special play and play from the
--   one lottery `xloterias`; the amount is not looked at, and a block that
--   is no longer there is no error (the list shows what is left).
-- The special play is empty (the normal play) or a special play's code;
-- the play empty, "*" (every detail) or a detail of that special play. The
-- caller reads no answer, so every refusal is an error that says why: an
-- unknown mode, a number that is not one, an amount that is not a number of
-- 0 or more, an unknown lottery, special play or detail, a number mode
-- other than "0", a lottery list that is not whole codes. Either every
-- lottery of the list gets its block or none does.
CREATE FUNCTION actbloqueados(xmodo varchar, xnumero varchar, xmonto varchar, xjugada varchar,
                              xespecial varchar, xmodonumero varchar, xloterias varchar)
RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
  numero text := upper(btrim(coalesce(xnumero, '')));
  especial_ text := btrim(coalesce(xespecial, ''));
  jugada_ text := btrim(coalesce(xjugada, ''));
  lista text := btrim(coalesce(xloterias, ''));
  modonumero_ text := btrim(coalesce(xmodonumero, ''));
  monto numeric;
  codigos text[];
  desconocida text;
BEGIN
  IF xmodo IS NULL OR xmodo NOT IN ('1', '2') THEN
    RAISE EXCEPTION 'actbloqueados: modo desconocido "%"', xmodo;
  END IF;
  IF NOT numero_bloqueo_valido(numero) THEN
    RAISE EXCEPTION 'actbloqueados: número inválido "%": de 1 a 3 cifras y a lo sumo una "S"', xnumero;
  END IF;

  IF xmodo = '2' THEN
    DELETE FROM bloqueos b
     WHERE b.cod_lot = lista AND b.numero_bloq = numero
       AND b.especial = especial_ AND b.jugada = jugada_;
    RETURN;
  END IF;

  monto := lee_importe(xmonto, 'monto a limitar');
  IF modonumero_ <> '0' THEN
    RAISE EXCEPTION 'actbloqueados: modo de número desconocido "%"', xmodonumero;
  END IF;
  IF especial_ <> '' AND NOT EXISTS (SELECT 1 FROM jugadas j WHERE j.especial = especial_) THEN
    RAISE EXCEPTION 'actbloqueados: jugada especial desconocida "%"', especial_;
  END IF;
  IF jugada_ NOT IN ('', '*') THEN
    IF especial_ = '' THEN
      RAISE EXCEPTION 'actbloqueados: la jugada "%" pide su jugada especial', jugada_;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM jugadeta d WHERE d.especial = especial_ AND d.jugada = jugada_) THEN
      RAISE EXCEPTION 'actbloqueados: la jugada "%" no es de la jugada especial "%"', jugada_, especial_;
    END IF;
  END IF;

  IF lista = '*' THEN
    codigos := ARRAY(SELECT l.cod_lot FROM loterias l ORDER BY l.cod_lot);
  ELSE
    IF lista = '' OR char_length(lista) % 3 <> 0 THEN
      RAISE EXCEPTION 'actbloqueados: lista de loterías inválida "%"', xloterias;
    END IF;
    codigos := ARRAY(SELECT substr(lista, i, 3) FROM generate_series(1, char_length(lista), 3) AS i);
    SELECT c INTO desconocida FROM unnest(codigos) AS c
     WHERE NOT EXISTS (SELECT 1 FROM loterias l WHERE l.cod_lot = c) LIMIT 1;
    IF desconocida IS NOT NULL THEN
      RAISE EXCEPTION 'actbloqueados: lotería desconocida "%"', desconocida;
    END IF;
  END IF;

  INSERT INTO bloqueos AS b (cod_lot, numero_bloq, monto_bloq, especial, jugada, modonumero)
  SELECT DISTINCT c, numero, monto, especial_, jugada_, modonumero_ FROM unnest(codigos) AS c
  ON CONFLICT (cod_lot, numero_bloq, especial, jugada)
  DO UPDATE SET monto_bloq = EXCLUDED.monto_bloq, modonumero = EXCLUDED.modonumero;
END $$;
