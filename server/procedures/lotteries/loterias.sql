-- The lotteries: the catalogue's list (DSPLOT), their maintenance (ACTLOT)
-- and the two read-only lookups of the lottery editor (dspjuntas,
-- dspoperadoras).

-- DSPLOT '0', code: every lottery, by code, whatever the code (the
-- catalogue shows the whole list after a save or a delete of that code).
-- Column 0 is the code and column 1 the name; the rest are read by name.
-- A lottery may have no board or operator: their names come out NULL.
-- Any mode but '0' is refused.
CREATE FUNCTION DSPLOT(xmodo varchar, xcodigo varchar)
RETURNS TABLE (
  cod_lot varchar, desc_lot varchar,
  juegadigito varchar, montom_digito numeric, lim_digito numeric, comi_digito numeric,
  premio_digito numeric,
  jueganormal varchar, minimo_tri numeric, minimo_ter numeric, lim_tri numeric, lim_ter numeric,
  comi_tri numeric, comi_ter numeric, p_tri_1 numeric, p_tri_2 numeric, p_tri_3 numeric,
  p_ter_1 numeric, p_ter_2 numeric, p_ter_3 numeric,
  pagacomodin varchar, montocomodin numeric,
  dia_1 varchar, dia_2 varchar, dia_3 varchar, dia_4 varchar, dia_5 varchar, dia_6 varchar,
  dia_7 varchar,
  hora_1 time, hora_2 time, hora_3 time, hora_4 time, hora_5 time, hora_6 time, hora_7 time,
  juegaespecial varchar, impuesto numeric,
  codigo_junta varchar, descripcion_junta varchar,
  codigo_operadora varchar, descripcion_operadora varchar,
  juegapar varchar, lim_numa numeric, lim_numb numeric, montom_par numeric, comispar numeric,
  premiopar numeric, sencillo_par numeric)
LANGUAGE plpgsql STABLE AS $$
BEGIN
  IF xmodo IS DISTINCT FROM '0' THEN
    RAISE EXCEPTION 'DSPLOT: modo desconocido "%"', xmodo;
  END IF;
  RETURN QUERY
    SELECT l.cod_lot, l.desc_lot,
           l.juegadigito, l.montom_digito, l.lim_digito, l.comi_digito, l.premio_digito,
           l.jueganormal, l.minimo_tri, l.minimo_ter, l.lim_tri, l.lim_ter,
           l.comi_tri, l.comi_ter, l.p_tri_1, l.p_tri_2, l.p_tri_3, l.p_ter_1, l.p_ter_2, l.p_ter_3,
           l.pagacomodin, l.montocomodin,
           l.dia_1, l.dia_2, l.dia_3, l.dia_4, l.dia_5, l.dia_6, l.dia_7,
           l.hora_1, l.hora_2, l.hora_3, l.hora_4, l.hora_5, l.hora_6, l.hora_7,
           l.juegaespecial, l.impuesto,
           l.codigo_junta, j.descripcion_junta, l.codigo_operadora, o.descripcion_operadora,
           l.juegapar, l.lim_numa, l.lim_numb, l.montom_par, l.comispar, l.premiopar, l.sencillo_par
    FROM loterias l
    LEFT JOIN juntas j ON j.codigo_junta = l.codigo_junta
    LEFT JOIN operadoras o ON o.codigo_operadora = l.codigo_operadora
    ORDER BY l.cod_lot;
END $$;

-- dspjuntas: the beneficence boards, by code.
CREATE FUNCTION dspjuntas()
RETURNS TABLE (codigo_junta varchar, descripcion_junta varchar)
LANGUAGE sql STABLE AS $$
  SELECT j.codigo_junta, j.descripcion_junta FROM juntas j ORDER BY j.codigo_junta
$$;

-- dspoperadoras: the draw operators, by code.
CREATE FUNCTION dspoperadoras()
RETURNS TABLE (codigo_operadora varchar, descripcion_operadora varchar)
LANGUAGE sql STABLE AS $$
  SELECT o.codigo_operadora, o.descripcion_operadora FROM operadoras o ORDER BY o.codigo_operadora
$$;

-- A closing hour as the editor sends it ("HH:MM:SS"); '' or NULL is no
-- hour. NULL as well for a text that is not a time of day, which the caller
-- tells apart from a missing hour: "24:00:00" and "23:59:60", which the
-- server would read as midnight of the next day, are not.
CREATE FUNCTION actlot_hora(texto varchar, OUT hora time, OUT valida boolean)
LANGUAGE plpgsql IMMUTABLE AS $$
BEGIN
  valida := true;
  IF btrim(coalesce(texto, '')) = '' THEN
    RETURN;
  END IF;
  IF btrim(texto) !~ '^\d{1,2}:\d{2}(:\d{2})?$' THEN
    valida := false;
    RETURN;
  END IF;
  hora := btrim(texto)::time(0);
  IF hora >= '24:00' THEN
    hora := NULL;
    valida := false;
  END IF;
EXCEPTION WHEN invalid_datetime_format OR datetime_field_overflow THEN
  hora := NULL;
  valida := false;
END $$;

-- ACTLOT mode, code, name, the sale-parameter block, the days with their
-- closing hours, state, closed flag, the play switches, comodin, tax %,
-- board, operator: "1" adds the lottery (and every seller's parameter row
-- for it), "2" replaces its record, "3" deletes it (with its special-play
-- parameters, the sellers' parameters for it and its blocked numbers). The delete sends the same list without the
-- board and operator, and every value but the code is ignored then.
-- Return codes:
--   0 done;
--   1 add of a code that exists already;
--   2 modify or delete of a code that does not exist;
--   3 a code that is not exactly 3 characters, or a blank name;
--   4 a name longer than 25 characters or an hour longer than 13;
--   5 delete of a lottery that sold tickets, draw results or daily results
--     name;
--   6 a board or operator that does not exist;
--   7 a code holding a control or invisible character, a flag other than
--     "S"/"N" (state "A"/"I"), an hour that is not a time of day, or an
--     amount that is negative, NaN or infinite.
-- An unknown mode is an error.
CREATE FUNCTION ACTLOT(
  xmodo varchar, xcod_lot varchar, xdesc_lot varchar,
  xlim_digito numeric, xpremio_digito numeric, xcomi_digito numeric, xmontom_digito numeric,
  xlim_numa numeric, xlim_numb numeric, xcomispar numeric, xpremiopar numeric,
  xmontom_par numeric, xsencillo_par numeric,
  xlim_tri numeric, xlim_ter numeric, xcomi_tri numeric, xcomi_ter numeric,
  xminimo_tri numeric, xminimo_ter numeric,
  xp_tri_1 numeric, xp_tri_2 numeric, xp_tri_3 numeric,
  xp_ter_1 numeric, xp_ter_2 numeric, xp_ter_3 numeric,
  xdia_1 varchar, xdia_2 varchar, xdia_3 varchar, xdia_4 varchar, xdia_5 varchar,
  xdia_6 varchar, xdia_7 varchar,
  xhora_1 varchar, xhora_2 varchar, xhora_3 varchar, xhora_4 varchar, xhora_5 varchar,
  xhora_6 varchar, xhora_7 varchar,
  xestado_act varchar, xcerrada varchar,
  xjuegaespecial varchar, xjuegapar varchar, xjuegadigito varchar, xjueganormal varchar,
  xpagacomodin varchar, xmontocomodin numeric, ximpuesto numeric,
  -- "@codigo_junta" and "@codigo_operadora" of the editor's list.
  xcodigo_junta varchar DEFAULT NULL, xcodigo_operadora varchar DEFAULT NULL,
  OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  codigo text := btrim(coalesce(xcod_lot, ''));
  nombre text := rtrim(coalesce(xdesc_lot, ''));
  junta text := nullif(btrim(coalesce(xcodigo_junta, '')), '');
  operadora text := nullif(btrim(coalesce(xcodigo_operadora, '')), '');
  textos_horas varchar[] := ARRAY[xhora_1, xhora_2, xhora_3, xhora_4, xhora_5, xhora_6, xhora_7];
  horas time[] := '{}';
  h record;
  montos numeric[] := ARRAY[xlim_digito, xpremio_digito, xcomi_digito, xmontom_digito,
                            xlim_numa, xlim_numb, xcomispar, xpremiopar, xmontom_par,
                            xsencillo_par, xlim_tri, xlim_ter, xcomi_tri, xcomi_ter,
                            xminimo_tri, xminimo_ter, xp_tri_1, xp_tri_2, xp_tri_3,
                            xp_ter_1, xp_ter_2, xp_ter_3, xmontocomodin, ximpuesto];
  banderas varchar[] := ARRAY[xdia_1, xdia_2, xdia_3, xdia_4, xdia_5, xdia_6, xdia_7,
                              xcerrada, xjuegaespecial, xjuegapar, xjuegadigito,
                              xjueganormal, xpagacomodin];
BEGIN
  IF xmodo IS NULL OR xmodo NOT IN ('1', '2', '3') THEN
    RAISE EXCEPTION 'ACTLOT: modo desconocido "%"', xmodo;
  END IF;
  IF char_length(codigo) <> 3 THEN
    return_value := 3;
    RETURN;
  END IF;
  IF NOT codigo_valido(codigo) THEN
    return_value := 7;
    RETURN;
  END IF;

  IF xmodo = '3' THEN
    BEGIN
      DELETE FROM loterias WHERE cod_lot = codigo;
      return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
    EXCEPTION WHEN foreign_key_violation THEN
      return_value := 5;
    END;
    RETURN;
  END IF;

  IF nombre = '' THEN
    return_value := 3;
    RETURN;
  END IF;
  IF char_length(nombre) > 25
     OR EXISTS (SELECT FROM unnest(textos_horas) t WHERE char_length(t) > 13) THEN
    return_value := 4;
    RETURN;
  END IF;
  IF EXISTS (SELECT FROM unnest(banderas) b WHERE b IS NULL OR b NOT IN ('S', 'N'))
     OR xestado_act IS NULL OR xestado_act NOT IN ('A', 'I')
     OR EXISTS (SELECT FROM unnest(montos) m WHERE NOT importe_valido(m) OR m < 0) THEN
    return_value := 7;
    RETURN;
  END IF;
  FOR i IN 1 .. 7 LOOP
    h := actlot_hora(textos_horas[i]);
    IF NOT h.valida THEN
      return_value := 7;
      RETURN;
    END IF;
    horas := array_append(horas, h.hora);
  END LOOP;
  IF (junta IS NOT NULL AND NOT EXISTS (SELECT FROM juntas WHERE codigo_junta = junta))
     OR (operadora IS NOT NULL
         AND NOT EXISTS (SELECT FROM operadoras WHERE codigo_operadora = operadora)) THEN
    return_value := 6;
    RETURN;
  END IF;

  IF xmodo = '1' THEN
    INSERT INTO loterias (cod_lot, desc_lot) VALUES (codigo, nombre) ON CONFLICT (cod_lot) DO NOTHING;
    IF NOT FOUND THEN
      return_value := 1;
      RETURN;
    END IF;
  END IF;
  UPDATE loterias SET
    desc_lot = nombre,
    lim_digito = xlim_digito, premio_digito = xpremio_digito, comi_digito = xcomi_digito,
    montom_digito = xmontom_digito,
    lim_numa = xlim_numa, lim_numb = xlim_numb, comispar = xcomispar, premiopar = xpremiopar,
    montom_par = xmontom_par, sencillo_par = xsencillo_par,
    lim_tri = xlim_tri, lim_ter = xlim_ter, comi_tri = xcomi_tri, comi_ter = xcomi_ter,
    minimo_tri = xminimo_tri, minimo_ter = xminimo_ter,
    p_tri_1 = xp_tri_1, p_tri_2 = xp_tri_2, p_tri_3 = xp_tri_3,
    p_ter_1 = xp_ter_1, p_ter_2 = xp_ter_2, p_ter_3 = xp_ter_3,
    dia_1 = xdia_1, dia_2 = xdia_2, dia_3 = xdia_3, dia_4 = xdia_4, dia_5 = xdia_5,
    dia_6 = xdia_6, dia_7 = xdia_7,
    hora_1 = horas[1], hora_2 = horas[2], hora_3 = horas[3], hora_4 = horas[4],
    hora_5 = horas[5], hora_6 = horas[6], hora_7 = horas[7],
    estado_act = xestado_act, cerrada = xcerrada,
    juegaespecial = xjuegaespecial, juegapar = xjuegapar, juegadigito = xjuegadigito,
    jueganormal = xjueganormal, pagacomodin = xpagacomodin,
    montocomodin = xmontocomodin, impuesto = ximpuesto,
    codigo_junta = junta, codigo_operadora = operadora
  WHERE cod_lot = codigo;
  return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
  IF xmodo = '1' THEN
    -- Every seller sells the new lottery with his own default parameters.
    PERFORM parametrosvendedor_ven_lot(NULL, codigo);
  END IF;
EXCEPTION WHEN numeric_value_out_of_range THEN
  -- An amount beyond its column (9 digits, 3 of them decimals).
  return_value := 7;
END $$;
