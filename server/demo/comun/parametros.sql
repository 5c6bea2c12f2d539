-- Sale parameters derived from the catalogue, for the demo data and the
-- volume-data generator: each lottery that takes special plays gets every
-- special play, and each seller gets parameters per lottery and per lottery
-- and special play, copied from the lottery's with the seller's own payment
-- mode and chief commission. Sellers and lotteries that already have rows
-- keep them.

INSERT INTO lotespec (cod_lot, especial, minimo_tri, minimo_ter, lim_tri, lim_ter,
                      comi_tri, comi_ter, p_tri_1, p_tri_2, p_tri_3, p_ter_1, p_ter_2, p_ter_3)
SELECT l.cod_lot, j.especial, l.minimo_tri, l.minimo_ter, l.lim_tri / 2, l.lim_ter / 2,
       l.comi_tri, l.comi_ter, l.p_tri_1 * 10, 0, 0, l.p_ter_1 * 10, 0, 0
FROM loterias l CROSS JOIN jugadas j
WHERE l.juegaespecial = 'S'
ON CONFLICT DO NOTHING;

INSERT INTO ven_lot (codvendedor, cod_lot, minimo_tri, minimo_ter, lim_tri, lim_ter,
                     comi_tri, comi_ter, p_tri_1, p_tri_2, p_tri_3, p_ter_1, p_ter_2, p_ter_3,
                     montom_digito, lim_digito, comi_digito, premio_digito,
                     lim_numa, lim_numb, montom_par, comispar, premiopar, sencillo_par,
                     pagacomodin, montocomodin, comision_jefe, tipode_pago, impuesto)
SELECT v.codvendedor, l.cod_lot, l.minimo_tri, l.minimo_ter, l.lim_tri, l.lim_ter,
       l.comi_tri, l.comi_ter, l.p_tri_1, l.p_tri_2, l.p_tri_3, l.p_ter_1, l.p_ter_2, l.p_ter_3,
       l.montom_digito, l.lim_digito, l.comi_digito, l.premio_digito,
       l.lim_numa, l.lim_numb, l.montom_par, l.comispar, l.premiopar, l.sencillo_par,
       l.pagacomodin, l.montocomodin, v.comision_jefe, v.tipode_pago, v.impuesto
FROM vendedor v CROSS JOIN loterias l
ON CONFLICT DO NOTHING;

INSERT INTO vendespec (codvendedor, cod_lot, especial, minimo_tri, minimo_ter, lim_tri, lim_ter,
                       comi_tri, comi_ter, p_tri_1, p_tri_2, p_tri_3, p_ter_1, p_ter_2, p_ter_3,
                       tipode_pago, comision_jefe)
SELECT v.codvendedor, e.cod_lot, e.especial, e.minimo_tri, e.minimo_ter, e.lim_tri, e.lim_ter,
       e.comi_tri, e.comi_ter, e.p_tri_1, e.p_tri_2, e.p_tri_3, e.p_ter_1, e.p_ter_2, e.p_ter_3,
       v.tipode_pago, v.comision_jefe
FROM vendedor v CROSS JOIN lotespec e
ON CONFLICT DO NOTHING;
