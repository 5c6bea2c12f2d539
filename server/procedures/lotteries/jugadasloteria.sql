-- The special plays of a lottery with their sale parameters: the list
-- (dspparamlotespec) and the store of one lottery's parameters for one
-- special play (parametroslotespec). The windows read a row with a plain
-- SELECT on lotespec and delete it with a plain DELETE.

-- dspparamlotespec lottery: one row per special play, by code, whether the
-- lottery has parameters for it or not (the operator adds them by choosing
-- the play), so the values are NULL where it has none. Callers read by
-- position: the code, the name, then limits (triples, terminales),
-- commissions (triples, terminales), the first triples prize and the first
-- and second terminales prizes. An unknown lottery is an error.
CREATE FUNCTION dspparamlotespec(xcod_lot varchar)
RETURNS TABLE (especial varchar, desc_espec varchar,
               lim_tri numeric, lim_ter numeric, comi_tri numeric, comi_ter numeric,
               p_tri_1 numeric, p_ter_1 numeric, p_ter_2 numeric)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  loteria text := btrim(coalesce(xcod_lot, ''));
BEGIN
  IF NOT EXISTS (SELECT FROM loterias l WHERE l.cod_lot = loteria) THEN
    RAISE EXCEPTION 'dspparamlotespec: no existe la lotería "%"', loteria;
  END IF;
  RETURN QUERY
    SELECT j.especial, j.desc_espec,
           p.lim_tri, p.lim_ter, p.comi_tri, p.comi_ter, p.p_tri_1, p.p_ter_1, p.p_ter_2
    FROM jugadas j
    LEFT JOIN lotespec p ON p.cod_lot = loteria AND p.especial = j.especial
    ORDER BY j.especial;
END $$;

-- One sale parameter as the window sends it: the text of its box, read by
-- lee_importe. A value beyond numeric(9,3) is an error naming the field.
CREATE FUNCTION lotespec_valor(valor varchar, campo text)
RETURNS numeric
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
  numero numeric := round(lee_importe(valor, campo), 3);
BEGIN
  IF numero >= 1000000 THEN
    RAISE EXCEPTION 'parametroslotespec: % fuera de rango: "%"', campo, valor;
  END IF;
  RETURN numero;
END $$;

-- parametroslotespec mode, lottery, special play, then the twelve sale
-- parameters in their order (minimums, limits and commissions for triples
-- and terminales, three triples prizes, three terminales prizes), as text.
-- Mode "A" adds, "M" modifies; either way, afterwards the row of that
-- lottery and special play holds the twelve values (a new row brings every
-- seller's parameter row for it): the window's mode comes
-- from the program's shared edit mode, which another window may change
-- while this one is open, and the operator asked for these values. The
-- caller tests no answer, so every refusal is an error: unknown mode,
-- lottery or special play, a value that is not a number.
CREATE FUNCTION parametroslotespec(
  xmodo varchar, xcod_lot varchar, xespecial varchar,
  xminimo_tri varchar, xminimo_ter varchar, xlim_tri varchar, xlim_ter varchar,
  xcomi_tri varchar, xcomi_ter varchar, xp_tri_1 varchar, xp_tri_2 varchar,
  xp_tri_3 varchar, xp_ter_1 varchar, xp_ter_2 varchar, xp_ter_3 varchar)
RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
  loteria text := btrim(coalesce(xcod_lot, ''));
  especial_ text := btrim(coalesce(xespecial, ''));
  nueva boolean;
BEGIN
  IF xmodo IS NULL OR xmodo NOT IN ('A', 'M') THEN
    RAISE EXCEPTION 'parametroslotespec: modo desconocido "%"', xmodo;
  END IF;
  IF NOT EXISTS (SELECT FROM loterias l WHERE l.cod_lot = loteria) THEN
    RAISE EXCEPTION 'parametroslotespec: no existe la lotería "%"', loteria;
  END IF;
  IF NOT EXISTS (SELECT FROM jugadas j WHERE j.especial = especial_) THEN
    RAISE EXCEPTION 'parametroslotespec: no existe la jugada especial "%"', especial_;
  END IF;
  nueva := NOT EXISTS (SELECT FROM lotespec p WHERE p.cod_lot = loteria AND p.especial = especial_);
  INSERT INTO lotespec AS p (cod_lot, especial, minimo_tri, minimo_ter, lim_tri, lim_ter,
                             comi_tri, comi_ter, p_tri_1, p_tri_2, p_tri_3,
                             p_ter_1, p_ter_2, p_ter_3)
  VALUES (loteria, especial_,
          lotespec_valor(xminimo_tri, 'Minimo_tri'), lotespec_valor(xminimo_ter, 'Minimo_ter'),
          lotespec_valor(xlim_tri, 'Lim_Tri'), lotespec_valor(xlim_ter, 'Lim_ter'),
          lotespec_valor(xcomi_tri, 'Comi_Tri'), lotespec_valor(xcomi_ter, 'Comi_Ter'),
          lotespec_valor(xp_tri_1, 'P_tri_1'), lotespec_valor(xp_tri_2, 'P_tri_2'),
          lotespec_valor(xp_tri_3, 'P_tri_3'), lotespec_valor(xp_ter_1, 'P_ter_1'),
          lotespec_valor(xp_ter_2, 'P_ter_2'), lotespec_valor(xp_ter_3, 'P_ter_3'))
  ON CONFLICT (cod_lot, especial) DO UPDATE SET
    minimo_tri = EXCLUDED.minimo_tri, minimo_ter = EXCLUDED.minimo_ter,
    lim_tri = EXCLUDED.lim_tri, lim_ter = EXCLUDED.lim_ter,
    comi_tri = EXCLUDED.comi_tri, comi_ter = EXCLUDED.comi_ter,
    p_tri_1 = EXCLUDED.p_tri_1, p_tri_2 = EXCLUDED.p_tri_2, p_tri_3 = EXCLUDED.p_tri_3,
    p_ter_1 = EXCLUDED.p_ter_1, p_ter_2 = EXCLUDED.p_ter_2, p_ter_3 = EXCLUDED.p_ter_3;
  IF nueva THEN
    -- Every seller sells the lottery's new special play with his own
    -- default parameters.
    PERFORM parametrosvendedor_vendespec(NULL, loteria, especial_);
  END IF;
END $$;
