-- A seller's sale parameters per lottery (ven_lot) and per lottery and
-- special play (vendespec): the grids' lists (dspvenlot, dspvendespec), the
-- editors' existence checks (busVENDLOTE, busVENDLOTEspe), read and store
-- of one row (ACTVENDLOTE, ACTVENDJUGES), the whole-column update
-- (actvenlotcol) and the bulk adjustment of many sellers and lotteries
-- (ajustaparametrosn, ajustaparametrose). The rows themselves are made
-- where sellers, lotteries and lottery special plays are added
-- (sellers/parametrosvendedor.sql); the editors delete a row with a plain
-- DELETE.
--
-- Every value arrives as the text of a box; "," and "." are both read as
-- the decimal mark (the chief commission and the tax travel with the
-- regional comma, the other amounts with a point). The column names the
-- column update and the bulk adjustment receive choose a column only from
-- the fixed lists below; values are always bound, never pasted into SQL.

-- The value columns of each store, with their kind: 'n' an amount of
-- numeric(9,3), 'j' a percent of numeric(18,2), 'f' the comodin switch,
-- 'p' the payment mode.
CREATE FUNCTION parametros_columnas(xtabla text)
RETURNS TABLE (columna text, tipo text, orden bigint)
LANGUAGE sql IMMUTABLE AS $$
  SELECT c, t, row_number() OVER (ORDER BY n) FROM (VALUES
    (1, 'minimo_tri', 'n', true), (2, 'minimo_ter', 'n', true), (3, 'lim_tri', 'n', true),
    (4, 'lim_ter', 'n', true), (5, 'comi_tri', 'n', true), (6, 'comi_ter', 'n', true),
    (7, 'p_tri_1', 'n', true), (8, 'p_tri_2', 'n', true), (9, 'p_tri_3', 'n', true),
    (10, 'p_ter_1', 'n', true), (11, 'p_ter_2', 'n', true), (12, 'p_ter_3', 'n', true),
    (13, 'montom_digito', 'n', false), (14, 'lim_digito', 'n', false), (15, 'comi_digito', 'n', false),
    (16, 'premio_digito', 'n', false), (17, 'lim_numa', 'n', false), (18, 'lim_numb', 'n', false),
    (19, 'montom_par', 'n', false), (20, 'comispar', 'n', false), (21, 'premiopar', 'n', false),
    (22, 'sencillo_par', 'n', false), (23, 'pagacomodin', 'f', false), (24, 'montocomodin', 'n', false),
    (25, 'comision_jefe', 'j', true), (26, 'tipode_pago', 'p', true), (27, 'impuesto', 'j', false)
  ) AS z(n, c, t, especial)
  WHERE xtabla = 'ven_lot' OR (xtabla = 'vendespec' AND especial)
  ORDER BY n
$$;

-- A box's text as the value of a column of that kind, as text the column
-- takes; NULL when it is not one (not a number, too many whole digits, a
-- switch other than S/N, a payment mode other than 0-3).
CREATE FUNCTION parametro_valor(xtexto varchar, xtipo text)
RETURNS text
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
  texto text := btrim(coalesce(xtexto, ''));
  numero numeric;
BEGIN
  IF xtipo = 'f' THEN
    RETURN CASE WHEN texto IN ('S', 'N') THEN texto END;
  ELSIF xtipo = 'p' THEN
    RETURN CASE WHEN texto IN ('0', '1', '2', '3') THEN texto END;
  END IF;
  IF texto !~ '^([0-9]+([.,][0-9]*)?|[.,][0-9]+)$' THEN
    RETURN NULL;
  END IF;
  IF xtipo = 'j' THEN
    numero := round(replace(texto, ',', '.')::numeric, 2);
    RETURN CASE WHEN numero < 1e16 THEN numero::text END;
  END IF;
  numero := round(replace(texto, ',', '.')::numeric, 3);
  RETURN CASE WHEN numero < 1e6 THEN numero::text END;
END $$;

-- The SQL type a value of that kind is cast to.
CREATE FUNCTION parametro_tipo(xtipo text)
RETURNS text
LANGUAGE sql IMMUTABLE AS $$
  SELECT CASE WHEN xtipo IN ('f', 'p') THEN 'varchar' ELSE 'numeric' END
$$;

-- A whitelisted column of the store, in lower case; an error for any other
-- name.
CREATE FUNCTION parametro_columna(xtabla text, xcolumna text, OUT columna text, OUT tipo text)
LANGUAGE plpgsql STABLE AS $$
BEGIN
  SELECT c.columna, c.tipo INTO columna, tipo
  FROM parametros_columnas(xtabla) c
  WHERE c.columna = lower(btrim(coalesce(xcolumna, '')));
  IF NOT FOUND THEN
    RAISE EXCEPTION 'no es una columna de parámetros de %: "%"', xtabla, xcolumna;
  END IF;
END $$;

-- dspvenlot seller: one row per lottery the seller has parameters for, by
-- code; callers read by position: code, name, then the eleven columns the
-- whole-column update sets for grid columns 2 to 12.
CREATE FUNCTION dspvenlot(xcodvendedor varchar)
RETURNS TABLE (cod_lot varchar, desc_lot varchar, lim_tri numeric, lim_ter numeric,
               lim_digito numeric, comi_tri numeric, comi_ter numeric, comi_digito numeric,
               p_tri_1 numeric, p_ter_1 numeric, p_ter_2 numeric, premio_digito numeric,
               comision_jefe numeric)
LANGUAGE sql STABLE AS $$
  SELECT v.cod_lot, l.desc_lot, v.lim_tri, v.lim_ter, v.lim_digito, v.comi_tri, v.comi_ter,
         v.comi_digito, v.p_tri_1, v.p_ter_1, v.p_ter_2, v.premio_digito, v.comision_jefe
  FROM ven_lot v JOIN loterias l ON l.cod_lot = v.cod_lot
  WHERE v.codvendedor = btrim(coalesce(xcodvendedor, ''))
  ORDER BY v.cod_lot
$$;

-- dspvendespec seller, special play: one row per lottery the seller has
-- parameters of that special play for, by code: code, name, limits,
-- commissions, first triples prize, first and second terminales prizes,
-- chief commission (NULL: the seller's own).
CREATE FUNCTION dspvendespec(xcodvendedor varchar, xespecial varchar)
RETURNS TABLE (cod_lot varchar, desc_lot varchar, lim_tri numeric, lim_ter numeric,
               comi_tri numeric, comi_ter numeric, p_tri_1 numeric, p_ter_1 numeric,
               p_ter_2 numeric, comision_jefe numeric)
LANGUAGE sql STABLE AS $$
  SELECT v.cod_lot, l.desc_lot, v.lim_tri, v.lim_ter, v.comi_tri, v.comi_ter, v.p_tri_1,
         v.p_ter_1, v.p_ter_2, v.comision_jefe
  FROM vendespec v JOIN loterias l ON l.cod_lot = v.cod_lot
  WHERE v.codvendedor = btrim(coalesce(xcodvendedor, ''))
    AND v.especial = btrim(coalesce(xespecial, ''))
  ORDER BY v.cod_lot
$$;

-- busVENDLOTE seller, lottery: one row when the seller has parameters for
-- the lottery, none otherwise.
CREATE FUNCTION busVENDLOTE(xcodvendedor varchar, xcod_lot varchar)
RETURNS TABLE (codvendedor varchar, cod_lot varchar)
LANGUAGE sql STABLE AS $$
  SELECT v.codvendedor, v.cod_lot FROM ven_lot v
  WHERE v.codvendedor = btrim(coalesce(xcodvendedor, ''))
    AND v.cod_lot = btrim(coalesce(xcod_lot, ''))
$$;

-- busVENDLOTEspe seller, lottery, special play: one row when that row of
-- vendespec exists, none otherwise.
CREATE FUNCTION busVENDLOTEspe(xcodvendedor varchar, xcod_lot varchar, xespecial varchar)
RETURNS TABLE (codvendedor varchar, cod_lot varchar, especial varchar)
LANGUAGE sql STABLE AS $$
  SELECT v.codvendedor, v.cod_lot, v.especial FROM vendespec v
  WHERE v.codvendedor = btrim(coalesce(xcodvendedor, ''))
    AND v.cod_lot = btrim(coalesce(xcod_lot, ''))
    AND v.especial = btrim(coalesce(xespecial, ''))
$$;

-- The values of a store's columns in order, converted; the index of the
-- first that is not a value of its column (0: all are).
CREATE FUNCTION parametros_convierte(xtabla text, xtextos varchar[], OUT valores text[],
                                     OUT malo integer)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  c record;
  i integer := 0;
BEGIN
  valores := ARRAY[]::text[];
  malo := 0;
  FOR c IN SELECT * FROM parametros_columnas(xtabla) ORDER BY orden LOOP
    i := i + 1;
    valores := valores || parametro_valor(xtextos[i], c.tipo);
    IF valores[i] IS NULL AND malo = 0 THEN
      malo := i;
    END IF;
  END LOOP;
END $$;

-- Writes one row of a store from the converted values of every column, in
-- the order of parametros_columnas: mode "1" adds it, "2" replaces its
-- values. Answers the return code.
CREATE FUNCTION parametros_escribe(xtabla text, xmodo text, xclave text[], xvalores text[])
RETURNS integer
LANGUAGE plpgsql AS $$
DECLARE
  columnas text;
  valores text;
  asignaciones text;
  donde text;
  existe boolean;
  nclave integer := array_length(xclave, 1);
BEGIN
  SELECT string_agg(format('%I', c.columna), ', ' ORDER BY c.orden),
         string_agg(format('$2[%s]::%s', c.orden, parametro_tipo(c.tipo)), ', ' ORDER BY c.orden),
         string_agg(format('%I = $2[%s]::%s', c.columna, c.orden, parametro_tipo(c.tipo)), ', ' ORDER BY c.orden)
  INTO columnas, valores, asignaciones
  FROM parametros_columnas(xtabla) c;
  donde := 'codvendedor = $1[1] AND cod_lot = $1[2]' || CASE WHEN nclave = 3 THEN ' AND especial = $1[3]' ELSE '' END;
  EXECUTE format('SELECT EXISTS (SELECT FROM %I WHERE %s)', xtabla, donde) INTO existe USING xclave;
  IF xmodo = '1' THEN
    IF existe THEN
      RETURN 1;
    END IF;
    EXECUTE format('INSERT INTO %I (codvendedor, cod_lot%s, %s) VALUES ($1[1], $1[2]%s, %s)', xtabla,
                   CASE WHEN nclave = 3 THEN ', especial' ELSE '' END, columnas,
                   CASE WHEN nclave = 3 THEN ', $1[3]' ELSE '' END, valores)
      USING xclave, xvalores;
  ELSE
    IF NOT existe THEN
      RETURN 2;
    END IF;
    EXECUTE format('UPDATE %I SET %s WHERE %s', xtabla, asignaciones, donde) USING xclave, xvalores;
  END IF;
  RETURN 0;
END $$;

-- The return code of a key before a write: 3 a blank code, 6 a code that
-- names no seller, lottery or special play.
CREATE FUNCTION parametros_clave(xcodvendedor text, xcod_lot text, xespecial text DEFAULT NULL)
RETURNS integer
LANGUAGE sql STABLE AS $$
  SELECT CASE
    WHEN xcodvendedor = '' OR xcod_lot = '' OR xespecial = '' THEN 3
    WHEN NOT EXISTS (SELECT FROM vendedor v WHERE v.codvendedor = xcodvendedor)
      OR NOT EXISTS (SELECT FROM loterias l WHERE l.cod_lot = xcod_lot)
      OR (xespecial IS NOT NULL AND NOT EXISTS (SELECT FROM jugadas j WHERE j.especial = xespecial)) THEN 6
    ELSE 0 END
$$;

-- ACTVENDLOTE seller, lottery, the 27 values of the row (the twelve normal
-- ones, the four of the digit, the six of the pairs, the comodin switch and
-- amount, the chief commission, the payment mode), mode, tax: mode "3"
-- answers the row (no row when it does not exist) and ignores the values;
-- "1" adds it and "2" replaces its values. Return codes: 0 done, 1 the row
-- to add exists, 2 the row to change does not, 3 a blank code, 6 an
-- unknown seller or lottery, 7 a value that is not one. An unknown mode is
-- an error.
CREATE FUNCTION ACTVENDLOTE(
  t_codvendedor varchar, t_cod_lot varchar,
  t_minimo_tri varchar, t_minimo_ter varchar, t_lim_tri varchar, t_lim_ter varchar,
  t_comi_tri varchar, t_comi_ter varchar, t_p_tri_1 varchar, t_p_tri_2 varchar,
  t_p_tri_3 varchar, t_p_ter_1 varchar, t_p_ter_2 varchar, t_p_ter_3 varchar,
  t_montom_digito varchar, t_lim_digito varchar, t_comi_digito varchar, t_premio_digito varchar,
  t_lim_numa varchar, t_lim_numb varchar, t_montom_par varchar, t_comispar varchar,
  t_premiopar varchar, t_sencillo_par varchar, t_pagacomodin varchar, t_montocomodin varchar,
  t_comision_jefe varchar, t_tipode_pago varchar, t_modousos varchar, t_impuesto varchar,
  OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
DECLARE
  vendedor_ text := btrim(coalesce(t_codvendedor, ''));
  loteria text := btrim(coalesce(t_cod_lot, ''));
  conversion record;
BEGIN
  IF t_modousos IS NULL OR t_modousos NOT IN ('1', '2', '3') THEN
    RAISE EXCEPTION 'ACTVENDLOTE: modo desconocido "%"', t_modousos;
  END IF;
  return_value := 0;
  IF t_modousos = '3' THEN
    OPEN resultado FOR
      SELECT v.* FROM ven_lot v WHERE v.codvendedor = vendedor_ AND v.cod_lot = loteria;
    RETURN;
  END IF;
  OPEN resultado FOR SELECT WHERE false;
  return_value := parametros_clave(vendedor_, loteria);
  IF return_value <> 0 THEN
    RETURN;
  END IF;
  -- In the order of parametros_columnas('ven_lot').
  conversion := parametros_convierte('ven_lot', ARRAY[
    t_minimo_tri, t_minimo_ter, t_lim_tri, t_lim_ter, t_comi_tri, t_comi_ter,
    t_p_tri_1, t_p_tri_2, t_p_tri_3, t_p_ter_1, t_p_ter_2, t_p_ter_3,
    t_montom_digito, t_lim_digito, t_comi_digito, t_premio_digito,
    t_lim_numa, t_lim_numb, t_montom_par, t_comispar, t_premiopar, t_sencillo_par,
    t_pagacomodin, t_montocomodin, t_comision_jefe, t_tipode_pago, t_impuesto]::varchar[]);
  IF conversion.malo <> 0 THEN
    return_value := 7;
    RETURN;
  END IF;
  return_value := parametros_escribe('ven_lot', t_modousos, ARRAY[vendedor_, loteria], conversion.valores);
END $$;

-- ACTVENDJUGES seller, lottery, special play, the twelve normal values,
-- payment mode, chief commission, mode: as ACTVENDLOTE for a row of
-- vendespec. An empty chief commission stores NULL (the seller's own).
CREATE FUNCTION ACTVENDJUGES(
  t_codvendedor varchar, t_cod_lot varchar, t_especial varchar,
  t_minimo_tri varchar, t_minimo_ter varchar, t_lim_tri varchar, t_lim_ter varchar,
  t_comi_tri varchar, t_comi_ter varchar, t_p_tri_1 varchar, t_p_tri_2 varchar,
  t_p_tri_3 varchar, t_p_ter_1 varchar, t_p_ter_2 varchar, t_p_ter_3 varchar,
  t_tipode_pago varchar, comis_jefe varchar, t_modousos varchar,
  OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
DECLARE
  vendedor_ text := btrim(coalesce(t_codvendedor, ''));
  loteria text := btrim(coalesce(t_cod_lot, ''));
  especial_ text := btrim(coalesce(t_especial, ''));
  jefe text := btrim(coalesce(comis_jefe, ''));
  conversion record;
BEGIN
  IF t_modousos IS NULL OR t_modousos NOT IN ('1', '2', '3') THEN
    RAISE EXCEPTION 'ACTVENDJUGES: modo desconocido "%"', t_modousos;
  END IF;
  return_value := 0;
  IF t_modousos = '3' THEN
    OPEN resultado FOR
      SELECT v.* FROM vendespec v
      WHERE v.codvendedor = vendedor_ AND v.cod_lot = loteria AND v.especial = especial_;
    RETURN;
  END IF;
  OPEN resultado FOR SELECT WHERE false;
  return_value := parametros_clave(vendedor_, loteria, especial_);
  IF return_value <> 0 THEN
    RETURN;
  END IF;
  -- In the order of parametros_columnas('vendespec'); the chief commission
  -- is checked as a number, or left NULL when empty.
  conversion := parametros_convierte('vendespec', ARRAY[
    t_minimo_tri, t_minimo_ter, t_lim_tri, t_lim_ter, t_comi_tri, t_comi_ter,
    t_p_tri_1, t_p_tri_2, t_p_tri_3, t_p_ter_1, t_p_ter_2, t_p_ter_3,
    coalesce(nullif(jefe, ''), '0'), t_tipode_pago]::varchar[]);
  IF conversion.malo <> 0 THEN
    return_value := 7;
    RETURN;
  END IF;
  IF jefe = '' THEN
    conversion.valores[13] := NULL;
  END IF;
  return_value := parametros_escribe('vendespec', t_modousos, ARRAY[vendedor_, loteria, especial_],
                                     conversion.valores);
END $$;

-- actvenlotcol seller, column, value, store ("ven_lot" or "vendespec")
-- [, special play]: sets the column to the value on every row of the
-- seller in that store (in vendespec, only the rows of that special play).
-- The caller reads no answer, so a store, column or value that is not one
-- is an error and nothing changes.
CREATE FUNCTION actvenlotcol(xcodvendedor varchar, xcolumna varchar, xvalor varchar,
                             xtabla varchar, xespecial varchar DEFAULT NULL)
RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
  tabla text := lower(btrim(coalesce(xtabla, '')));
  columna record;
  valor text;
BEGIN
  IF tabla NOT IN ('ven_lot', 'vendespec') THEN
    RAISE EXCEPTION 'actvenlotcol: tabla desconocida "%"', xtabla;
  END IF;
  IF tabla = 'vendespec' AND btrim(coalesce(xespecial, '')) = '' THEN
    RAISE EXCEPTION 'actvenlotcol: falta la jugada especial';
  END IF;
  columna := parametro_columna(tabla, xcolumna);
  valor := parametro_valor(xvalor, columna.tipo);
  IF valor IS NULL THEN
    RAISE EXCEPTION 'actvenlotcol: % no acepta "%"', columna.columna, xvalor;
  END IF;
  EXECUTE format('UPDATE %I SET %I = $1::%s WHERE codvendedor = $2%s', tabla, columna.columna,
                 parametro_tipo(columna.tipo),
                 CASE WHEN tabla = 'vendespec' THEN ' AND especial = $3' ELSE '' END)
    USING valor, btrim(coalesce(xcodvendedor, '')), btrim(coalesce(xespecial, ''));
END $$;

-- Codes run together, each `ancho` characters, as an array; an error when
-- the text is empty or not made of whole codes.
CREATE FUNCTION parametros_codigos(xcodigos text, ancho integer, xque text)
RETURNS text[]
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
  texto text := coalesce(xcodigos, '');
BEGIN
  IF texto = '' OR length(texto) % ancho <> 0 THEN
    RAISE EXCEPTION 'ajuste de parámetros: % no son códigos de % caracteres: "%"', xque, ancho, texto;
  END IF;
  RETURN ARRAY(SELECT btrim(substr(texto, i, ancho))
               FROM generate_series(1, length(texto), ancho) i);
END $$;

-- The bulk adjustment: sets, on the rows of `tabla` of every seller of
-- `xvendedores` (5-character codes run together) for every lottery of
-- `xloterias` (3 characters each), and of the special play when given,
-- the columns named by `xcampos` ("a, b, c") to the values of `xvalores`
-- ("'1', '2.5', '3'"), pair by pair; one UPDATE for all rows. The
-- assignment text the window also sends is not run: its columns and values
-- are those of the two lists. A column outside the store's list, a value
-- holding a quote or that is not a value of its column, lists of different
-- lengths or a repeated column are errors, and nothing changes.
CREATE FUNCTION parametros_ajusta(tabla text, xvendedores text, xloterias text, xespecial text,
                                  xcampos text, xvalores text)
RETURNS integer
LANGUAGE plpgsql AS $$
DECLARE
  vendedores_ text[] := parametros_codigos(xvendedores, 5, 'vendedores');
  loterias_ text[] := parametros_codigos(xloterias, 3, 'loterías');
  campos_ text[];
  textos text[];
  valores text[] := ARRAY[]::text[];
  columna record;
  asignaciones text[] := ARRAY[]::text[];
  vistas text[] := ARRAY[]::text[];
BEGIN
  IF coalesce(xvalores, '') !~ '^\s*''[^'']*''(\s*,\s*''[^'']*'')*\s*,?\s*$' THEN
    RAISE EXCEPTION 'ajuste de parámetros: lista de valores mal formada: "%"', xvalores;
  END IF;
  campos_ := ARRAY(SELECT btrim(c) FROM unnest(string_to_array(coalesce(xcampos, ''), ',')) c
                   WHERE btrim(c) <> '');
  textos := ARRAY(SELECT m[1] FROM regexp_matches(xvalores, '''([^'']*)''', 'g') m);
  IF cardinality(campos_) = 0 OR cardinality(campos_) <> cardinality(textos) THEN
    RAISE EXCEPTION 'ajuste de parámetros: % columnas y % valores', cardinality(campos_), cardinality(textos);
  END IF;
  FOR i IN 1 .. cardinality(campos_) LOOP
    columna := parametro_columna(tabla, campos_[i]);
    IF columna.columna = ANY (vistas) THEN
      RAISE EXCEPTION 'ajuste de parámetros: columna repetida "%"', campos_[i];
    END IF;
    vistas := vistas || columna.columna;
    valores := valores || parametro_valor(textos[i], columna.tipo);
    IF valores[i] IS NULL THEN
      RAISE EXCEPTION 'ajuste de parámetros: % no acepta "%"', columna.columna, textos[i];
    END IF;
    asignaciones := asignaciones || format('%I = $3[%s]::%s', columna.columna, i, parametro_tipo(columna.tipo));
  END LOOP;
  -- Joined to the two code lists (hashed), not filtered by = ANY of each
  -- row: 2,000 sellers by 36 lotteries stay one pass over the table.
  EXECUTE format('UPDATE %I t SET %s FROM (SELECT DISTINCT unnest($1) AS c) v, (SELECT DISTINCT unnest($2) AS c) l'
                 ' WHERE t.codvendedor = v.c AND t.cod_lot = l.c%s', tabla,
                 array_to_string(asignaciones, ', '),
                 CASE WHEN xespecial IS NOT NULL THEN ' AND t.especial = $4' ELSE '' END)
    USING vendedores_, loterias_, valores, xespecial;
  RETURN 0;
END $$;

-- ajustaparametrosn sellers, lotteries, assignments, columns, values: the
-- bulk adjustment of ven_lot. Answers 0 once the values are on every
-- selected row.
CREATE FUNCTION ajustaparametrosn(vendedores varchar, loterias varchar, cadenaajuste varchar,
                                  campos varchar, valores varchar, OUT return_value integer)
LANGUAGE plpgsql AS $$
BEGIN
  return_value := parametros_ajusta('ven_lot', vendedores, loterias, NULL, campos, valores);
END $$;

-- ajustaparametrose sellers, lotteries, assignments, special play,
-- columns, values: the bulk adjustment of vendespec for one special play.
CREATE FUNCTION ajustaparametrose(vendedores varchar, loterias varchar, cadenaajuste varchar,
                                  especial varchar, campos varchar, valores varchar,
                                  OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  jugada text := btrim(coalesce(especial, ''));
BEGIN
  IF NOT EXISTS (SELECT FROM jugadas j WHERE j.especial = jugada) THEN
    RAISE EXCEPTION 'ajustaparametrose: no existe la jugada especial "%"', especial;
  END IF;
  return_value := parametros_ajusta('vendespec', vendedores, loterias, jugada, campos, valores);
END $$;
