"""Broadcasting of the two inputs, and pandas Series in and out (index and name kept), also inside
dask.dataframe's map_partitions."""

import numpy as np
import pandas as pd
import pytest

import vaprop
from conftest import assert_same_bits, export


def cellwise(name, a, b, word=1):
    f = export(name)
    a, b = np.broadcast_arrays(np.asarray(a, dtype=float), np.asarray(b, dtype=float))
    return np.vectorize(lambda x, y: f(x, y, word))(a, b)


@pytest.mark.parametrize("a_shape,b_shape,shape", [
    ((3, 1), (1, 4), (3, 4)),
    ((4,), (2, 3, 1), (2, 3, 4)),
    ((), (5,), (5,)),
    ((5,), (), (5,)),
    ((1,), (6,), (6,)),
])
def test_inputs_broadcast_against_each_other(a_shape, b_shape, shape):
    p = np.linspace(0.5, 150.0, int(np.prod(a_shape))).reshape(a_shape)
    T = np.linspace(50.0, 650.0, int(np.prod(b_shape))).reshape(b_shape)
    result = vaprop.props("PT", p, T, "H,V")
    assert result["H"].shape == result["V"].shape == shape
    assert_same_bits(result["H"], cellwise("StmPTH", p, T))
    assert_same_bits(result["V"], cellwise("StmPTV", p, T))


def test_lists_and_scalars_mix():
    assert_same_bits(vaprop.props("PQ", [1, 5, 10], 1, "H"), cellwise("StmPQH", [1, 5, 10], 1))
    assert_same_bits(vaprop.props("PQ", 10, [0, 0.5, 1], "S"), cellwise("StmPQS", 10, [0, 0.5, 1]))


def test_series_keeps_its_index_and_takes_the_property_name():
    index = pd.Index(["feed", "drum", "superheater"], name="point")
    p = pd.Series([180.0, 160.0, 150.0], index=index)
    T = pd.Series([250.0, 347.0, 540.0], index=index)
    h = vaprop.props("PT", p, T, "H")
    assert isinstance(h, pd.Series) and h.index.equals(index) and h.name == "H"
    assert_same_bits(h.to_numpy(), cellwise("StmPTH", p.to_numpy(), T.to_numpy()))
    both = vaprop.props("PT", p, 540.0, "H,S")
    assert list(both) == ["H", "S"] and all(both[n].index.equals(index) for n in both)
    assert pd.DataFrame(both).columns.tolist() == ["H", "S"]
    # A Series with an array of the same length, a failed state as NaN, codes as a Series.
    values, codes = vaprop.props("PT", p, np.array([250.0, -5.0, 540.0]), "H", errors="codes")
    assert values.index.equals(index) and codes.index.equals(index)
    assert np.isnan(values["drum"]) and codes.tolist() == [0, -1100, 0]


def test_series_with_other_indexes_or_shapes_are_refused():
    a = pd.Series([1.0, 2.0], index=[0, 1])
    with pytest.raises(ValueError, match="different indexes"):
        vaprop.props("PT", a, pd.Series([300.0, 400.0], index=[1, 0]), "H")
    with pytest.raises(ValueError, match="would lose its index"):
        vaprop.props("PT", a, np.ones((3, 2)) * 300, "H")
    with pytest.raises(TypeError, match="Series of object"):
        vaprop.props("PT", pd.Series(["1", "2"]), 300, "H")
    # Nullable floats: a missing value is a NaN input, which fails like any state.
    nullable = pd.Series([1.0, None], dtype="Float64")
    assert vaprop.props("PT", nullable, 300, "H", errors="codes")[1].tolist() == [0, -1300]


def test_dask_dataframe_map_partitions():
    import dask.dataframe as dd
    frame = pd.DataFrame({"p": np.linspace(1, 200, 1000), "T": np.linspace(20, 700, 1000)},
                         index=pd.RangeIndex(5000, 6000))
    lazy = dd.from_pandas(frame, npartitions=4)
    h = lazy.map_partitions(lambda part: vaprop.props("PT", part["p"], part["T"], "H", threads=1),
                            meta=("H", "f8")).compute(scheduler="threads")
    direct = vaprop.props("PT", frame["p"], frame["T"], "H")
    assert h.index.equals(frame.index)
    assert_same_bits(h.to_numpy(), direct.to_numpy())
