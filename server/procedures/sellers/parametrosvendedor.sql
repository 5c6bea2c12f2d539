-- A seller's rows of sale parameters per lottery (ven_lot) and per lottery
-- and special play (vendespec). The windows of a seller's parameters only
-- edit rows that exist, and none of them adds one, so the rows are made
-- where sellers, lotteries and lottery special plays are added: each new
-- row starts from the seller's own default sale parameters (his row of
-- vendedor). Existing rows are never touched.

-- The rows of one seller for every lottery and every lottery special play
-- (ACTVEN when it adds the seller).
CREATE FUNCTION parametrosvendedor_crea(xcodvendedor varchar)
RETURNS void
LANGUAGE plpgsql AS $$
BEGIN
  PERFORM parametrosvendedor_ven_lot(xcodvendedor, NULL);
  PERFORM parametrosvendedor_vendespec(xcodvendedor, NULL, NULL);
END $$;

-- ven_lot rows from the sellers' defaults: of one seller (NULL: every
-- seller) for one lottery (NULL: every lottery).
CREATE FUNCTION parametrosvendedor_ven_lot(xcodvendedor varchar, xcod_lot varchar)
RETURNS void
LANGUAGE plpgsql AS $$
BEGIN
  INSERT INTO ven_lot (codvendedor, cod_lot, minimo_tri, minimo_ter, lim_tri, lim_ter,
                       comi_tri, comi_ter, p_tri_1, p_tri_2, p_tri_3, p_ter_1, p_ter_2, p_ter_3,
                       montom_digito, lim_digito, comi_digito, premio_digito,
                       lim_numa, lim_numb, montom_par, comispar, premiopar, sencillo_par,
                       pagacomodin, montocomodin, comision_jefe, tipode_pago, impuesto)
  SELECT v.codvendedor, l.cod_lot, v.minimo_tri, v.minimo_ter, v.lim_tri, v.lim_ter,
         v.comi_tri, v.comi_ter, v.p_tri_1, v.p_tri_2, v.p_tri_3, v.p_ter_1, v.p_ter_2, v.p_ter_3,
         v.montom_digito, v.lim_digito, v.comi_digito, v.premio_digito,
         v.lim_numa, v.lim_numb, v.montom_par, v.comispar, v.premiopar, v.sencillo_par,
         v.pagacomodin, v.montocomodin, v.comision_jefe, v.tipode_pago, v.impuesto
  FROM vendedor v CROSS JOIN loterias l
  WHERE (xcodvendedor IS NULL OR v.codvendedor = xcodvendedor)
    AND (xcod_lot IS NULL OR l.cod_lot = xcod_lot)
  ON CONFLICT (codvendedor, cod_lot) DO NOTHING;
END $$;

-- vendespec rows from the sellers' defaults: of one seller (NULL: every
-- seller) for one special play of one lottery (NULL, NULL: every special
-- play every lottery takes, as lotespec lists them). The chief commission
-- stays NULL: the seller's own applies.
CREATE FUNCTION parametrosvendedor_vendespec(xcodvendedor varchar, xcod_lot varchar,
                                             xespecial varchar)
RETURNS void
LANGUAGE plpgsql AS $$
BEGIN
  INSERT INTO vendespec (codvendedor, cod_lot, especial, minimo_tri, minimo_ter, lim_tri, lim_ter,
                         comi_tri, comi_ter, p_tri_1, p_tri_2, p_tri_3, p_ter_1, p_ter_2, p_ter_3,
                         tipode_pago)
  SELECT v.codvendedor, e.cod_lot, e.especial, v.minimo_tri, v.minimo_ter, v.lim_tri, v.lim_ter,
         v.comi_tri, v.comi_ter, v.p_tri_1, v.p_tri_2, v.p_tri_3, v.p_ter_1, v.p_ter_2, v.p_ter_3,
         v.tipode_pago
  FROM vendedor v CROSS JOIN lotespec e
  WHERE (xcodvendedor IS NULL OR v.codvendedor = xcodvendedor)
    AND (xcod_lot IS NULL OR (e.cod_lot = xcod_lot AND e.especial = xespecial))
  ON CONFLICT (codvendedor, cod_lot, especial) DO NOTHING;
END $$;
